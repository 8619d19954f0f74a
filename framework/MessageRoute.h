#pragma once
// Declarative message routing: a dialog lists its handlers once, in a table of
// routes, the way a message map reads. A route matches a message (and, for
// commands and notifications, a code and a control id) and calls a member
// function through a small thunk that unpacks the message's parameters.

#include <windows.h>

#include <type_traits>

class Dialog;

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct MessageRoute {
    // Returns true when handled; result is the dialog procedure's answer.
    using Thunk = bool (*)(Dialog& dialog, const Message& message, LRESULT& result);

    UINT message;
    UINT code;     // notification code for WM_COMMAND and WM_NOTIFY
    int controlId; // for WM_COMMAND and WM_NOTIFY
    Thunk thunk;

    bool Matches(const Message& m) const;
};

namespace route_detail {
template <typename T> struct MemberOf;
template <typename C, typename F> struct MemberOf<F C::*> { using type = C; };
template <auto Handler> using Owner = typename MemberOf<decltype(Handler)>::type;
template <auto Handler> Owner<Handler>& As(Dialog& d) {
    return static_cast<Owner<Handler>&>(d);
}
} // namespace route_detail

// WM_COMMAND with a notification code from one control: void Handler().
template <auto Handler> constexpr MessageRoute OnCommand(UINT code, int controlId) {
    return {WM_COMMAND, code, controlId, [](Dialog& d, const Message&, LRESULT&) {
                (route_detail::As<Handler>(d).*Handler)();
                return true;
            }};
}

// The same, for one handler shared by several controls: void Handler(int controlId).
template <auto Handler> constexpr MessageRoute OnCommandId(UINT code, int controlId) {
    return {WM_COMMAND, code, controlId, [](Dialog& d, const Message& m, LRESULT&) {
                (route_detail::As<Handler>(d).*Handler)(LOWORD(m.wParam));
                return true;
            }};
}

// WM_NOTIFY with a code from one control: void Handler(NMHDR*, LRESULT* result).
template <auto Handler> constexpr MessageRoute OnNotify(UINT code, int controlId) {
    return {WM_NOTIFY, code, controlId, [](Dialog& d, const Message& m, LRESULT& result) {
                (route_detail::As<Handler>(d).*Handler)(reinterpret_cast<NMHDR*>(m.lParam),
                                                        &result);
                return true;
            }};
}

// WM_HSCROLL: void Handler(UINT code, int position, HWND control). The
// position is the signed 16-bit value the notification carries.
template <auto Handler> constexpr MessageRoute OnHorizontalScroll() {
    return {WM_HSCROLL, 0, 0, [](Dialog& d, const Message& m, LRESULT&) {
                (route_detail::As<Handler>(d).*Handler)(LOWORD(m.wParam),
                                                        static_cast<short>(HIWORD(m.wParam)),
                                                        reinterpret_cast<HWND>(m.lParam));
                return true;
            }};
}

// WM_SYSCOMMAND: bool Handler(UINT id, LPARAM); false asks for default processing.
template <auto Handler> constexpr MessageRoute OnSysCommand() {
    return {WM_SYSCOMMAND, 0, 0, [](Dialog& d, const Message& m, LRESULT&) {
                return (route_detail::As<Handler>(d).*Handler)(static_cast<UINT>(m.wParam),
                                                               m.lParam);
            }};
}

// WM_PAINT: bool Handler(); false asks for default processing.
template <auto Handler> constexpr MessageRoute OnPaint() {
    return {WM_PAINT, 0, 0, [](Dialog& d, const Message&, LRESULT&) {
                return (route_detail::As<Handler>(d).*Handler)();
            }};
}

// WM_QUERYDRAGICON: HCURSOR Handler().
template <auto Handler> constexpr MessageRoute OnQueryDragIcon() {
    return {WM_QUERYDRAGICON, 0, 0, [](Dialog& d, const Message&, LRESULT& result) {
                result = reinterpret_cast<LRESULT>((route_detail::As<Handler>(d).*Handler)());
                return true;
            }};
}
