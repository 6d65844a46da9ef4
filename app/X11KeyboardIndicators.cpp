#include "app/X11KeyboardIndicators.h"

#if UMBRANT_HAVE_XCB_XKB

#include <QGuiApplication>

#include <xcb/xcb.h>
// The C header names a field "explicit", a keyword of C++.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The names the keyboard configurations give the three indicators.
constexpr std::array kIndicatorNames = {"Caps Lock", "Num Lock", "Scroll Lock"};

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

bool UseKeyboardExtension(xcb_connection_t* connection)
{
    const ReplyPointer<xcb_xkb_use_extension_reply_t> reply(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    return reply != nullptr && reply->supported != 0;
}

// The atoms of the indicator names; none for a name the server never heard of.
std::array<xcb_atom_t, 3> IndicatorAtoms(xcb_connection_t* connection)
{
    std::array<xcb_intern_atom_cookie_t, 3> cookies{};
    for (std::size_t i = 0; i < kIndicatorNames.size(); ++i) {
        const char* name = kIndicatorNames[i];
        cookies[i] = xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    }
    std::array<xcb_atom_t, 3> atoms{};
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

// Whether each named indicator is lit; the three requests share one round trip.
std::optional<LockStates> QueryIndicators(xcb_connection_t* connection, const std::array<xcb_atom_t, 3>& atoms)
{
    std::array<xcb_xkb_get_named_indicator_cookie_t, 3> cookies{};
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        if (atoms[i] != XCB_ATOM_NONE) {
            cookies[i] = xcb_xkb_get_named_indicator(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                                     XCB_XKB_ID_DFLT_XI_ID, atoms[i]);
        }
    }
    std::array<bool, 3> lit{};
    bool answered = false;
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        if (atoms[i] == XCB_ATOM_NONE) {
            continue;
        }
        const ReplyPointer<xcb_xkb_get_named_indicator_reply_t> reply(
            xcb_xkb_get_named_indicator_reply(connection, cookies[i], nullptr));
        if (reply != nullptr) {
            answered = true;
            lit[i] = reply->found != 0 && reply->on != 0;
        }
    }
    if (!answered) {
        return std::nullopt;
    }
    return LockStates{lit[0], lit[1], lit[2]};
}

} // namespace

IndicatorQuery X11IndicatorQuery()
{
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || !UseKeyboardExtension(connection)) {
        return {};
    }
    const std::array<xcb_atom_t, 3> atoms = IndicatorAtoms(connection);
    return [connection, atoms] { return QueryIndicators(connection, atoms); };
}

#else

IndicatorQuery X11IndicatorQuery()
{
    return {};
}

#endif
