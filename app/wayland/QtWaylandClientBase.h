#pragma once

// The two classes of Qt 6.4's Wayland client that a client buffer integration plugin derives
// from. Qt exports them from libQt6WaylandClient.so.6 but installs no header for them (they are
// Qt's private API, and Debian 12 ships no private headers for QtWaylandClient), so they are
// declared here: the same names and the same virtual functions in the same order, entry for entry
// as the library's virtual tables have them in 6.4.2. Only the constructors, destructors and meta
// object are taken from the library; every virtual function is overridden by RasterBuffers.
// Built only against Qt 6.4 (see CMakeLists.txt); main.cpp names the plugin only when the Qt
// running is 6.4 too.

#include <QtCore/QObject>
#include <QtCore/QStringList>

QT_BEGIN_NAMESPACE

class QPlatformOpenGLContext;
class QSurfaceFormat;
class QWindow;

namespace QtWaylandClient {

class QWaylandDisplay;
class QWaylandWindow;

class QWaylandClientBufferIntegration
{
public:
    enum NativeResource
    {
        EglDisplay,
        EglConfig,
        EglContext
    };
    enum NativeResourceForContext
    {
        EglConfigForContext,
        EglContextForContext,
        EglDisplayForContext
    };

    QWaylandClientBufferIntegration();
    virtual ~QWaylandClientBufferIntegration();

    virtual void initialize(QWaylandDisplay* display) = 0;
    virtual bool isValid() const = 0;
    virtual bool supportsThreadedOpenGL() const = 0;
    virtual bool supportsWindowDecoration() const = 0;
    virtual QWaylandWindow* createEglWindow(QWindow* window) = 0;
    virtual QPlatformOpenGLContext*
    createPlatformOpenGLContext(const QSurfaceFormat& format,
                                QPlatformOpenGLContext* share) const = 0;
    virtual void* nativeResource(NativeResource resource) = 0;
    virtual void* nativeResourceForContext(NativeResourceForContext resource,
                                           QPlatformOpenGLContext* context) = 0;
};

// What Q_OBJECT declares, written out: the meta object itself lives in the library.
class QWaylandClientBufferIntegrationPlugin : public QObject
{
public:
    static const QMetaObject staticMetaObject;
    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* className) override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

    explicit QWaylandClientBufferIntegrationPlugin(QObject* parent = nullptr);
    ~QWaylandClientBufferIntegrationPlugin() override;

    virtual QWaylandClientBufferIntegration* create(const QString& key,
                                                    const QStringList& parameters) = 0;
};

} // namespace QtWaylandClient

QT_END_NAMESPACE
