// A client buffer integration for Qt's Wayland client that offers no GPU buffers at all.
//
// Nimbex paints with the raster engine into shared-memory buffers (QWaylandShmBackingStore) and
// never uses OpenGL. Qt 6.4 still loads a client buffer integration as a window is first shown:
// QWaylandWindow::createDecoration asks QWaylandDisplay::supportsWindowDecoration, which asks the
// integration, and without QT_WAYLAND_CLIENT_BUFFER_INTEGRATION (or a Qt compositor's
// qt_hardware_integration) the integration is "wayland-egl", whose initialize() opens an EGL
// display: Mesa's EGL, its driver and their heap, about 50 MB. An integration that cannot be
// loaded keeps EGL out, but then supportsWindowDecoration is false for good and Qt draws no title
// bar where the compositor draws none (Weston, GNOME). This one is valid, says Qt may draw its
// decorations (into the same shared-memory buffers, as it does anyway for raster windows), and
// creates no GL window or context. Where the compositor offers server-side decorations (sway,
// KDE), Qt still negotiates them through xdg-decoration as before.

#include "app/wayland/QtWaylandClientBase.h"

namespace {

using namespace QtWaylandClient;

class RasterBuffers final : public QWaylandClientBufferIntegration
{
public:
    void initialize(QWaylandDisplay*) override {}
    bool isValid() const override { return true; }
    bool supportsThreadedOpenGL() const override { return false; }
    bool supportsWindowDecoration() const override { return true; }
    // Qt asks for these only for OpenGL windows and contexts, which the clock never makes (its
    // widgets are raster windows, QWaylandShmWindow); such a window or context is not created.
    QWaylandWindow* createEglWindow(QWindow*) override { return nullptr; }
    QPlatformOpenGLContext* createPlatformOpenGLContext(const QSurfaceFormat&,
                                                        QPlatformOpenGLContext*) const override
    {
        return nullptr;
    }
    void* nativeResource(NativeResource) override { return nullptr; }
    void* nativeResourceForContext(NativeResourceForContext, QPlatformOpenGLContext*) override
    {
        return nullptr;
    }
};

} // namespace

class RasterBuffersPlugin : public QtWaylandClient::QWaylandClientBufferIntegrationPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(
        IID
        "org.qt-project.Qt.WaylandClient.QWaylandClientBufferIntegrationFactoryInterface.5.3" FILE
        "RasterBuffers.json")

public:
    QtWaylandClient::QWaylandClientBufferIntegration* create(const QString&,
                                                             const QStringList&) override
    {
        return new RasterBuffers;
    }
};

#include "RasterBuffers.moc"
