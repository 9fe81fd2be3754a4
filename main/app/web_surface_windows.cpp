// The Windows build has no web remote: Debian has no Windows build of the web
// server it runs on.

#include <ostream>

#include "main/app/web_surface.h"

namespace dsp {

struct WebSurface::Impl {};

WebSurface::WebSurface() = default;
WebSurface::~WebSurface() = default;

bool WebSurface::Accepts(std::string_view, std::ostream& err) {
    err << "dsp-panel: --web: the web remote is not in the Windows build (use --osc, or run the panel on "
           "Linux)\n";
    return false;
}

bool WebSurface::Start(TApplication&, TForm1&, std::string_view listen, std::ostream& err) {
    return Accepts(listen, err);
}

}  // namespace dsp
