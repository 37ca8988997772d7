#include "gui/app/lock_keys.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(BRENMOOR_HAVE_X11)
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
// Last: the X headers define macros (Bool, None, Status) that Qt's headers
// must not see.
#include <X11/XKBlib.h>
#endif

namespace brenmoor::gui {

#if defined(Q_OS_WIN)

LockKeys readLockKeys() {
    auto toggled = [](int key) -> std::optional<bool> { return (GetKeyState(key) & 1) != 0; };
    return {toggled(VK_CAPITAL), toggled(VK_NUMLOCK), toggled(VK_SCROLL)};
}

#elif defined(BRENMOOR_HAVE_X11)

// The indicators by the names the keyboard extension gives them: the lock
// keys' modifiers differ from one keymap to the next, their indicators'
// names do not.
LockKeys readLockKeys() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    auto indicator = [display](const char* name) -> std::optional<bool> {
        int index = 0;
        Bool on = False;
        Bool real = False;
        const Atom atom = XInternAtom(display, name, False);
        if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, &real))
            return std::nullopt;
        return on == True;
    };
    return {indicator("Caps Lock"), indicator("Num Lock"), indicator("Scroll Lock")};
}

#else

LockKeys readLockKeys() {
    return {};
}

#endif

} // namespace brenmoor::gui
