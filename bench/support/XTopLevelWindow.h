#pragma once

#include <QString>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

// A window of the X server the benchmark runs on, asked about and closed as
// a window manager would. None runs on the benchmark's private server.
class XTopLevelWindow {
public:
    explicit XTopLevelWindow(const QString& windowId)
        : m_connection(xcb_connect(nullptr, nullptr), &xcb_disconnect) {
        bool number = false;
        m_window = xcb_window_t(windowId.toULong(&number));
        if (!number || xcb_connection_has_error(m_connection.get()) != 0) {
            m_window = XCB_WINDOW_NONE;
        }
    }

    // Qt gives its native child windows (the video areas, a web view's
    // surface) the title and process of their window; only a window whose
    // parent is the screen's root is one a user sees as a window.
    bool isTopLevel() const {
        if (m_window == XCB_WINDOW_NONE) {
            return false;
        }
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(
            m_connection.get(), xcb_query_tree(m_connection.get(), m_window), nullptr);
        const bool topLevel = tree != nullptr && tree->parent == tree->root;
        std::free(tree);
        return topLevel;
    }

    // The WM_DELETE_WINDOW message of a window manager's close button, which
    // Qt answers with the window's close event.
    void close() const {
        if (m_window == XCB_WINDOW_NONE) {
            return;
        }
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = m_window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection.get(), 0, m_window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(m_connection.get());
    }

private:
    xcb_atom_t atom(const char* name) const {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_connection.get(),
            xcb_intern_atom(m_connection.get(), 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return value;
    }

    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> m_connection;
    xcb_window_t m_window = XCB_WINDOW_NONE;
};
