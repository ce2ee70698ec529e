#pragma once

// X11 helpers of the window tests: a private Xvfb and questions about the window tree.

#include <QApplication>
#include <QProcess>
#include <QRect>
#include <QtTest>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <sys/prctl.h>

namespace x11test {

// The test's own X server ends with the test, even when the test is killed.
class ChildProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGTERM); }
};

// The few X questions the test asks, on a connection of its own.
class XQuery
{
public:
    ~XQuery() { xcb_disconnect(m_c); }

    bool ok() const { return !xcb_connection_has_error(m_c); }

    std::uint32_t parentOf(std::uint32_t window)
    {
        const auto tree = reply(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr));
        return tree ? tree->parent : 0;
    }

    std::vector<std::uint32_t> viewableChildrenOf(std::uint32_t window)
    {
        const auto tree = reply(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr));
        std::vector<std::uint32_t> result;
        const xcb_window_t *children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
        for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
            const auto attributes = reply(xcb_get_window_attributes_reply(
                m_c, xcb_get_window_attributes(m_c, children[i]), nullptr));
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                result.push_back(children[i]);
        }
        return result;
    }

    bool isWithin(std::uint32_t window, std::uint32_t ancestor)
    {
        for (int depth = 0; window != 0 && depth < 64; ++depth) {
            if (window == ancestor)
                return true;
            window = parentOf(window);
        }
        return false;
    }

    QRect geometry(std::uint32_t window)
    {
        const auto g = reply(xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr));
        return g ? QRect(g->x, g->y, g->width, g->height) : QRect();
    }

    // The first shown window below root made by another X client: the office's.
    std::uint32_t firstForeignViewable(std::uint32_t root)
    {
        const std::uint32_t mask = xcb_get_setup(m_c)->resource_id_mask;
        std::vector<std::uint32_t> queue = viewableChildrenOf(root);
        for (size_t i = 0; i < queue.size(); ++i) {
            if ((queue[i] & ~mask) != (root & ~mask))
                return queue[i];
            const auto more = viewableChildrenOf(queue[i]);
            queue.insert(queue.end(), more.begin(), more.end());
        }
        return 0;
    }

    std::uint32_t inputFocus()
    {
        const auto focus = reply(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        return focus ? focus->focus : 0;
    }

private:
    template<class T> static std::unique_ptr<T, void (*)(void *)> reply(T *data)
    {
        return {data, &std::free};
    }

    xcb_connection_t *m_c = xcb_connect(nullptr, nullptr);
};

// Runs a test object on a private Xvfb; without one Qt runs offscreen.
template<class Test> int runOnOwnXvfb(int argc, char *argv[])
{
    ChildProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               QStringLiteral("-displayfd 1 -screen 0 1600x1200x24 -nolisten tcp").split(' '));
    if (xvfb.waitForStarted(5000)) {
        QByteArray display;
        while (!display.contains('\n') && xvfb.waitForReadyRead(10000))
            display += xvfb.readAllStandardOutput();
        if (!display.trimmed().isEmpty())
            qputenv("DISPLAY", ":" + display.trimmed());
    }
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        Test test;
        result = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return result;
}

} // namespace x11test
