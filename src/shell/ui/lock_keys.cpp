#include "shell/ui/lock_keys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace norvexa {

LockKeys read_lock_keys() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return {};
    auto indicator = [display](const char* name) -> std::optional<bool> {
        const Atom atom = XInternAtom(display, name, True);
        Bool on = False;
        if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return std::nullopt;
        return on == True;
    };
    return {indicator("Num Lock"), indicator("Caps Lock")};
}

}  // namespace norvexa
