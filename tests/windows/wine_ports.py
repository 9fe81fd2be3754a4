"""COM ports for the Windows program under Wine: a pseudo-terminal mapped
as one ($WINEPREFIX/dosdevices/comN -> /dev/pts/M)."""
import os
import pty


def map_com_port(number):
    """A fresh pty (IXON on, as a new terminal starts) mapped as COMnumber:
    (master, slave, link); the link goes when the check removes it."""
    master, slave = pty.openpty()
    link = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "com%d" % number)
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(os.ttyname(slave), link)
    return master, slave, link
