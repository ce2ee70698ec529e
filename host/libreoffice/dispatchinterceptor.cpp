#include "dispatchinterceptor.h"

#include "qtthreadqueue.h"
#include "unoutil.h"

#include <com/sun/star/frame/FeatureStateEvent.hpp>
#include <com/sun/star/frame/XStatusListener.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::Sequence;

namespace libreoffice {

namespace {

// Carries out one request on the GUI thread. The office calls dispatch() and
// waits for it: the request is only queued, so that whatever the GUI thread
// then asks of the office does not wait for this very call.
class RequestDispatch : public cppu::WeakImplHelper1<frame::XDispatch>
{
public:
    RequestDispatch(std::shared_ptr<QtThreadQueue> queue, DispatchInterceptor::Handler handler,
                    WriterRequest request)
        : m_queue(std::move(queue))
        , m_handler(std::move(handler))
        , m_request(std::move(request))
    {
    }

    void SAL_CALL dispatch(const util::URL &, const Sequence<beans::PropertyValue> &) override
    {
        if (!m_handler)
            return;
        const DispatchInterceptor::Handler handler = m_handler;
        const WriterRequest request = m_request;
        m_queue->post([handler, request] { handler(request); });
    }

    // Menus and toolbars show a command as usable once they are told so.
    void SAL_CALL addStatusListener(const Reference<frame::XStatusListener> &listener,
                                    const util::URL &url) override
    {
        if (!listener.is())
            return;
        frame::FeatureStateEvent state;
        state.FeatureURL = url;
        state.IsEnabled = true;
        state.Source = static_cast<cppu::OWeakObject *>(this);
        listener->statusChanged(state);
    }
    void SAL_CALL removeStatusListener(const Reference<frame::XStatusListener> &,
                                       const util::URL &) override
    {
    }

private:
    std::shared_ptr<QtThreadQueue> m_queue;
    DispatchInterceptor::Handler m_handler;
    WriterRequest m_request;
};

bool opensWindow(const QString &target)
{
    return target == QLatin1String("_blank") || target == QLatin1String("_default");
}

} // namespace

DispatchInterceptor::DispatchInterceptor(std::shared_ptr<QtThreadQueue> queue, Handler handler)
    : m_queue(std::move(queue))
    , m_handler(std::move(handler))
{
}

DispatchInterceptor::Route DispatchInterceptor::route(const QString &url, const QString &target,
                                                      WriterRequest *request)
{
    const QString command = url.section(QLatin1Char('?'), 0, 0);
    if (command == QLatin1String(".uno:Open") || command == QLatin1String(".uno:OpenFromWriter")
        || command == QLatin1String(".uno:OpenRemote")) {
        *request = {WriterRequest::ChooseFile, QString()};
        return ToHost;
    }
    if (command == QLatin1String(".uno:AddDirect")
        || (url.startsWith(QLatin1String("private:factory/swriter")) && opensWindow(target))) {
        *request = {WriterRequest::NewDocument, QString()};
        return ToHost;
    }
    if (command == QLatin1String(".uno:Quit")) {
        *request = {WriterRequest::Quit, QString()};
        return ToHost;
    }
    if (url.startsWith(QLatin1String("file:")) && opensWindow(target)) {
        *request = {WriterRequest::OpenUrl, url};
        return ToHost;
    }
    // Other modules (spreadsheets, drawings, ...) and the office's own
    // windows (Start Center, a new window of the document) open outside ours.
    if ((url.startsWith(QLatin1String("private:factory/")) && opensWindow(target))
        || command == QLatin1String(".uno:NewWindow") || command == QLatin1String(".uno:NewDoc"))
        return Nowhere;
    return ToOffice;
}

Reference<frame::XDispatch> SAL_CALL DispatchInterceptor::queryDispatch(const util::URL &url,
                                                                        const rtl::OUString &target,
                                                                        sal_Int32 searchFlags)
{
    WriterRequest request {WriterRequest::Quit, QString()};
    switch (route(toQString(url.Complete), toQString(target), &request)) {
    case ToHost:
        return new RequestDispatch(m_queue, m_handler, request);
    case Nowhere:
        return new RequestDispatch(m_queue, Handler(), request);
    case ToOffice:
        break;
    }
    return m_slave.is() ? m_slave->queryDispatch(url, target, searchFlags)
                        : Reference<frame::XDispatch>();
}

Sequence<Reference<frame::XDispatch>> SAL_CALL
DispatchInterceptor::queryDispatches(const Sequence<frame::DispatchDescriptor> &requests)
{
    Sequence<Reference<frame::XDispatch>> result(requests.getLength());
    for (sal_Int32 i = 0; i < requests.getLength(); ++i) {
        result[i]
            = queryDispatch(requests[i].FeatureURL, requests[i].FrameName, requests[i].SearchFlags);
    }
    return result;
}

Reference<frame::XDispatchProvider> SAL_CALL DispatchInterceptor::getSlaveDispatchProvider()
{
    return m_slave;
}

void SAL_CALL
DispatchInterceptor::setSlaveDispatchProvider(const Reference<frame::XDispatchProvider> &slave)
{
    m_slave = slave;
}

Reference<frame::XDispatchProvider> SAL_CALL DispatchInterceptor::getMasterDispatchProvider()
{
    return m_master;
}

void SAL_CALL
DispatchInterceptor::setMasterDispatchProvider(const Reference<frame::XDispatchProvider> &master)
{
    m_master = master;
}

} // namespace libreoffice
