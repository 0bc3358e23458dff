#pragma once

#include "LayoutComponent.h"
#include "SkinRules.h"
#include "SkinTheme.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <memory>

class SkinEngine;

// The skin component of a form: its settings, the embedded skin it unpacks
// while the form's layout is read, and the switch that starts the engine.
class TSkinData : public QObject, public LayoutComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(int DisableTag READ DisableTag WRITE setDisableTag)
    Q_PROPERTY(QString SkinStore READ SkinStore WRITE setSkinStore)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)
    Q_PROPERTY(bool MenuUpdate READ MenuUpdate WRITE setMenuUpdate)
    Q_PROPERTY(bool MenuMerge READ MenuMerge WRITE setMenuMerge)
public:
    enum TSkinFormtype { sfMainform, sfOnlyThisForm, sfDialog };
    Q_ENUM(TSkinFormtype)
    enum TSkinOption { xoMDIScrollbar, xoMenuMerge, xoNCPaint };
    using TSkinOptions = QList<TSkinOption>;

    // How a stored skin turned out.
    enum class SkinState { None, Usable, Unusable };

    explicit TSkinData(QObject *owner = nullptr);
    ~TSkinData() override;

    // The skin built into the program, as the layout stores it.
    static QByteArray builtInSkinStream();
    // The class names and kinds the component knows by itself.
    static const QStringList &builtInSkin3rd();
    // The message shown for a package of another format.
    static QString olderSkinMessage();
    // The message shown for a package that cannot be read.
    static QString damagedSkinMessage();

    bool Active() const { return m_active; }
    // While the layout loads this only records the value; afterwards it
    // switches skinning on when a usable skin is loaded. Setting the value
    // already held does nothing.
    void setActive(bool on);
    int DisableTag() const { return m_disableTag; }
    void setDisableTag(int tag) { m_disableTag = tag; }
    SkinRules::SkinControls SkinControls() const { return m_controls; }
    void setSkinControls(const SkinRules::SkinControls &controls) { m_controls = controls; }
    TSkinOptions Options() const { return m_options; }
    void setOptions(const TSkinOptions &options) { m_options = options; }
    const QStringList &Skin3rd() const { return m_skin3rd; }
    void setSkin3rd(const QStringList &rows) { m_skin3rd = rows; }
    QString SkinStore() const { return m_skinStore; }
    void setSkinStore(const QString &text) { m_skinStore = text; }
    TSkinFormtype SkinFormtype() const { return m_formtype; }
    void setSkinFormtype(TSkinFormtype type) { m_formtype = type; }
    QString Version() const { return m_version; }
    void setVersion(const QString &version) { m_version = version; }
    bool MenuUpdate() const { return m_menuUpdate; }
    void setMenuUpdate(bool on) { m_menuUpdate = on; }
    bool MenuMerge() const { return m_menuMerge; }
    void setMenuMerge(bool on) { m_menuMerge = on; }

    // The stored block: a 4-byte count and the package. It is unpacked and
    // checked at once; a package of another format, or a damaged one, is
    // reported in a message box. Raises ESkinMemory when the unpacking
    // memory cannot be had.
    void setSkinStream(const QByteArray &block);
    const QByteArray &SkinStream() const { return m_stream; }
    // Where the unpacking memory comes from; replaceable so that a test can
    // refuse it.
    void setUnpackAllocator(const SkinPackage::Allocator &allocate) { m_allocate = allocate; }

    // Layout loading is complete: start watching the thread's windows and
    // switch skinning on if it is wanted and possible.
    void Loaded() override;

    SkinState skinState() const { return m_state; }
    const SkinTheme *theme() const { return m_theme.get(); }
    // Shared with the windows it skins, which may outlive the component.
    std::shared_ptr<const SkinTheme> sharedTheme() const { return m_theme; }
    // True while windows are being skinned.
    bool isSkinning() const;
    SkinEngine *engine() const { return m_engine; }

private:
    void showFailure(const QString &text, bool warning);
    void startSkinning();

    bool m_active = false;
    bool m_loaded = false;
    int m_disableTag = 99;
    SkinRules::SkinControls m_controls;
    TSkinOptions m_options;
    QStringList m_skin3rd;
    QString m_skinStore;
    TSkinFormtype m_formtype = sfMainform;
    QString m_version;
    bool m_menuUpdate = false;
    bool m_menuMerge = false;
    QByteArray m_stream;
    SkinPackage::Allocator m_allocate = SkinPackage::defaultAllocate;
    SkinState m_state = SkinState::None;
    std::shared_ptr<const SkinTheme> m_theme;
    SkinEngine *m_engine = nullptr;
};
