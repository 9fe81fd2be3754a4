#pragma once
// The enumerations and sets of the serial port component. Member order is the
// ordinal that stored layouts use, so never reorder them.

#include <cstdint>
#include <initializer_list>

namespace dsp {

enum TBaudRate {
    brCustom, br110, br300, br600, br1200, br2400, br4800, br9600, br14400,
    br19200, br38400, br56000, br57600, br115200, br128000, br256000,
};

enum TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
enum TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };
enum TSyncMethod { smThreadSync, smWindowSync, smNone };

enum TComEvent {
    evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full,
};

enum TComError { ceFrame, ceRxParity, ceOverrun, ceBreak, ceIO, ceMode, ceRxOver, ceTxFull };

enum TModemLine { mlCTS, mlDSR, mlRing, mlRLSD };

// A set of enumeration members held in `Bits`, bit n for ordinal n.
template <class E, class Bits>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members) {
        for (E m : members) Include(m);
    }
    static constexpr TSet FromBits(Bits bits) {
        TSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr bool Contains(E member) const { return (bits_ >> static_cast<int>(member)) & 1u; }
    constexpr void Include(E member) { bits_ = static_cast<Bits>(bits_ | (1u << static_cast<int>(member))); }
    constexpr void Exclude(E member) { bits_ = static_cast<Bits>(bits_ & ~(1u << static_cast<int>(member))); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr Bits ToBits() const { return bits_; }
    constexpr bool operator==(const TSet&) const = default;

private:
    Bits bits_ = 0;
};

using TComEvents = TSet<TComEvent, std::uint16_t>;
using TComErrors = TSet<TComError, std::uint8_t>;
using TModemLines = TSet<TModemLine, std::uint8_t>;

inline constexpr TComEvents kAllComEvents = TComEvents::FromBits(0x03FF);

} // namespace dsp
