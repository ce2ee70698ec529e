#pragma once

#include <QString>

#include <com/sun/star/frame/XDispatch.hpp>
#include <com/sun/star/frame/XDispatchProviderInterceptor.hpp>
#include <cppuhelper/implbase1.hxx>

#include <functional>
#include <memory>

namespace libreoffice {

class QtThreadQueue;

// What the user asked of the writer that must not happen the office's way:
// the office would open documents in windows of its own, outside ours, and
// end itself on File > Exit.
struct WriterRequest
{
    enum Kind {
        // File > Open, Ctrl+O, the start center's Open File.
        ChooseFile,
        // File > New > Text Document, Ctrl+N.
        NewDocument,
        // A recent document, a file dropped on the writer: its URL.
        OpenUrl,
        // File > Exit, Ctrl+Q.
        Quit,
    };
    Kind kind;
    QString url;
};

// Sits in front of a frame's own dispatching (XDispatchProviderInterceptor)
// and turns those commands into WriterRequests, handed to the GUI thread
// through the queue; everything else goes on to the frame. Commands of other
// office modules that would open a window of their own do nothing.
class DispatchInterceptor : public cppu::WeakImplHelper1<css::frame::XDispatchProviderInterceptor>
{
public:
    using Handler = std::function<void(const WriterRequest &)>;

    DispatchInterceptor(std::shared_ptr<QtThreadQueue> queue, Handler handler);

    css::uno::Reference<css::frame::XDispatch>
        SAL_CALL queryDispatch(const css::util::URL &url, const rtl::OUString &target,
                               sal_Int32 searchFlags) override;
    css::uno::Sequence<css::uno::Reference<css::frame::XDispatch>> SAL_CALL
    queryDispatches(const css::uno::Sequence<css::frame::DispatchDescriptor> &requests) override;

    css::uno::Reference<css::frame::XDispatchProvider> SAL_CALL getSlaveDispatchProvider() override;
    void SAL_CALL
    setSlaveDispatchProvider(const css::uno::Reference<css::frame::XDispatchProvider> &) override;
    css::uno::Reference<css::frame::XDispatchProvider>
        SAL_CALL getMasterDispatchProvider() override;
    void SAL_CALL
    setMasterDispatchProvider(const css::uno::Reference<css::frame::XDispatchProvider> &) override;

    // Where a command URL dispatched to a target goes: to the office, to us
    // as *request, or nowhere.
    enum Route { ToOffice, ToHost, Nowhere };
    static Route route(const QString &url, const QString &target, WriterRequest *request);

private:
    std::shared_ptr<QtThreadQueue> m_queue;
    Handler m_handler;
    css::uno::Reference<css::frame::XDispatchProvider> m_slave;
    css::uno::Reference<css::frame::XDispatchProvider> m_master;
};

} // namespace libreoffice
