#include "SkinData.h"

#include "SkinEngine.h"
#include "SkinErrors.h"
#include "SkinPackage.h"
#include "TApplication.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

TSkinData::TSkinData(QObject *owner) : QObject(owner), m_skin3rd(builtInSkin3rd()) {}

TSkinData::~TSkinData() = default;

QByteArray TSkinData::builtInSkinStream()
{
    QFile block(QStringLiteral(":/skin/SkinData_Main.skin"));
    return block.open(QIODevice::ReadOnly) ? block.readAll() : QByteArray();
}

const QStringList &TSkinData::builtInSkin3rd()
{
    static const QStringList rows = {
        QStringLiteral("TAdvPanelGroup=Panel"),
        QStringLiteral("TComboboxex=Combobox"),
        QStringLiteral("TRxSpeedButton=speedbutton"),
        QStringLiteral("TControlBar=Panel"),
        QStringLiteral("TTBDock=Panel"),
        QStringLiteral("TTBToolbar=Panel"),
        QStringLiteral("TAdvPageControl=nil"),
        QStringLiteral("TImageEnMView=scrollbar"),
        QStringLiteral("TImageEnView=scrollbar"),
        QStringLiteral("TAdvMemo=scrollbar"),
        QStringLiteral("TDBAdvMemo=scrollbar"),
        QStringLiteral("TcxDBLookupComboBox=Combobox"),
        QStringLiteral("TcxDBComboBox=Combobox"),
        QStringLiteral("TcxDBDateEdit=Combobox"),
        QStringLiteral("TcxDBImageComboBox=Combobox"),
        QStringLiteral("TcxDBCalcEdit=Combobox"),
        QStringLiteral("TcxDBBlobEdit=Combobox"),
        QStringLiteral("TcxDBPopupEdit=Combobox"),
        QStringLiteral("TcxDBFontNameComboBox=Combobox"),
        QStringLiteral("TcxDBShellComboBox=Combobox"),
        QStringLiteral("TRxLookupEdit=edit"),
        QStringLiteral("TRxDBLookupCombo=Combobox"),
        QStringLiteral("TRzButton=button"),
        QStringLiteral("TRzBitbtn=bitbtn"),
        QStringLiteral("TRzMenuButton=bitbtn"),
        QStringLiteral("TRzCheckGroup=CheckGroup"),
        QStringLiteral("TRzRadioGroup=Radiogroup"),
        QStringLiteral("TRzRadioButton=Radiobutton"),
        QStringLiteral("TRzCheckBox=Checkbox"),
        QStringLiteral("TRzButtonEdit=Combobox"),
        QStringLiteral("TRzDBRadioGroup=Radiogroup"),
        QStringLiteral("TRzDBRadioButton=Radiobutton"),
        QStringLiteral("TRzDateTimeEdit=Combobox"),
        QStringLiteral("TRzColorEdit=Combobox"),
        QStringLiteral("TRzDateTimePicker=Combobox"),
        QStringLiteral("TRzDBDateTimeEdit=Combobox"),
        QStringLiteral("TRzDbColorEdit=Combobox"),
        QStringLiteral("TRzDBDateTimePicker=Combobox"),
        QStringLiteral("TLMDGroupBox=Groupbox"),
        QStringLiteral("TDBCheckboxEh=Checkbox"),
        QStringLiteral("TDBCheckboxEh=Checkbox"),
        QStringLiteral("TLMDCHECKBOX=Checkbox"),
        QStringLiteral("TLMDDBCHECKBOX=Checkbox"),
        QStringLiteral("TLMDRadiobutton=Radiobutton"),
        QStringLiteral("TLMDCalculator=Panel"),
        QStringLiteral("TLMDGROUPBOX=Panel"),
        QStringLiteral("TLMDSIMPLEPANEL=Panel"),
        QStringLiteral("TLMDDBCalendar=Panel"),
        QStringLiteral("TLMDButtonPanel=Panel"),
        QStringLiteral("TLMDLMDCalculator=Panel"),
        QStringLiteral("TLMDHeaderPanel=Panel"),
        QStringLiteral("TLMDTechnicalLine=Panel"),
        QStringLiteral("TLMDLMDClock=Panel"),
        QStringLiteral("TLMDTrackbar=embedscrollbar"),
        QStringLiteral("TLMDListCombobox=combobox"),
        QStringLiteral("TLMDCheckListCombobox=combobox"),
        QStringLiteral("TLMDHeaderListCombobox=combobox"),
        QStringLiteral("TLMDImageCombobox=combobox"),
        QStringLiteral("TLMDColorCombobox=combobox"),
        QStringLiteral("TLMDFontCombobox=combobox"),
        QStringLiteral("TLMDFontSizeCombobox=combobox"),
        QStringLiteral("TLMDFontSizeCombobox=combobox"),
        QStringLiteral("TLMDPrinterCombobox=combobox"),
        QStringLiteral("TLMDDriveCombobox=combobox"),
        QStringLiteral("TLMDCalculatorComboBox=combobox"),
        QStringLiteral("TLMDTrackBarComboBox=combobox"),
        QStringLiteral("TLMDCalendarComboBox=combobox"),
        QStringLiteral("TLMDTreeComboBox=combobox"),
        QStringLiteral("TLMDRADIOGROUP=radiogroup"),
        QStringLiteral("TLMDCheckGroup=checkgroup"),
        QStringLiteral("TLMDDBRADIOGROUP=radiogroup"),
        QStringLiteral("TLMDDBCheckGroup=checkgroup"),
        QStringLiteral("TLMDCalculatorEdit=edit"),
        QStringLiteral("TLMDEDIT=edit"),
        QStringLiteral("TLMDMASKEDIT=edit"),
        QStringLiteral("TLMDBROWSEEDIT=edit"),
        QStringLiteral("TLMDEXTSPINEDIT=edit"),
        QStringLiteral("TLMDCALENDAREDIT=edit"),
        QStringLiteral("TLMDFILEOPENEDIT=edit"),
        QStringLiteral("TLMDFILESAVEEDIT=edit"),
        QStringLiteral("TLMDCOLOREDIT=edit"),
        QStringLiteral("TLMDDBEDIT=edit"),
        QStringLiteral("TLMDDBMASKEDIT=edit"),
        QStringLiteral("TLMDDBEXTSPINEDIT=edit"),
        QStringLiteral("TLMDDBSPINEDIT=edit"),
        QStringLiteral("TLMDDBEDITDBLookup=edit"),
        QStringLiteral("TLMDEDITDBLookup=edit"),
        QStringLiteral("TDBLookupCombobox=Combobox"),
        QStringLiteral("TWWDBCombobox=Combobox"),
        QStringLiteral("TWWDBLookupCombo=Combobox"),
        QStringLiteral("TWWDBCombobox=Combobox"),
        QStringLiteral("TWWKeyCombo=Combobox"),
        QStringLiteral("TWWTempKeyCombo=Combobox"),
        QStringLiteral("TWWDBDateTimePicker=Combobox"),
        QStringLiteral("TWWRADIOGROUP=radiogroup"),
        QStringLiteral("TWWDBEDIT=edit"),
        QStringLiteral("TcxButton=bitbtn"),
        QStringLiteral("TcxDBCheckBox=Checkbox"),
        QStringLiteral("TcxDBRadioGroup=Radiogroup"),
        QStringLiteral("TcxRadioGroup=Radiogroup"),
        QStringLiteral("TcxCheckBox=Checkbox"),
        QStringLiteral("TOVCPICTUREFIELD=edit"),
        QStringLiteral("TOVCDBPICTUREFIELD=edit"),
        QStringLiteral("TOVCSLIDEREDIT=edit"),
        QStringLiteral("TOVCDBSLIDEREDIT=edit"),
        QStringLiteral("TOVCSIMPLEFIELD=edit"),
        QStringLiteral("TOVCDBSIMPLEFIELD=edit"),
        QStringLiteral("TO32DBFLEXEDIT=edit"),
        QStringLiteral("TOVCNUMERICFIELD=edit"),
        QStringLiteral("TOVCDBNUMERICFIELD=edit"),
    };
    return rows;
}

QString TSkinData::olderSkinMessage()
{
    return QStringLiteral("This is Older Skin File") + u'\r' +
           QStringLiteral("Please update to new version !");
}

QString TSkinData::damagedSkinMessage()
{
    return QStringLiteral("The built-in skin is damaged and cannot be used.") + u'\r' +
           QStringLiteral("The program will run in the standard look.");
}

void TSkinData::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    if (on && m_loaded && m_state == SkinState::Usable)
        startSkinning();
    else if (!on && m_engine)
        m_engine->setSkinning(false);
}

void TSkinData::setSkinStream(const QByteArray &block)
{
    m_stream = block;
    m_theme.reset();
    m_state = SkinState::None;
    const SkinPackage::Result result = SkinPackage::read(block, m_allocate);
    QString problem = result.problem;
    switch (result.status) {
    case SkinPackage::Status::Empty:
        return;
    case SkinPackage::Status::NoMemory:
        throw ESkinMemory(QString::fromLatin1(SkinErrors::NoMemory));
    case SkinPackage::Status::OlderFormat:
        m_state = SkinState::Unusable;
        showFailure(olderSkinMessage(), false);
        return;
    case SkinPackage::Status::Usable:
        if (auto theme = SkinTheme::fromEntries(result.entries, &problem)) {
            m_theme = std::make_shared<const SkinTheme>(std::move(*theme));
            m_state = SkinState::Usable;
            return;
        }
        break;
    case SkinPackage::Status::Damaged:
        break;
    }
    m_state = SkinState::Unusable;
    qWarning("skin: the embedded skin is damaged: %s", qPrintable(problem));
    showFailure(damagedSkinMessage(), true);
}

namespace {

// The application title, as the caption of the skin's message boxes.
QString skinCaption()
{
    return Application ? Application->Title() : QString();
}

} // namespace

void TSkinData::showFailure(const QString &text, bool warning)
{
    // Shown before the watch starts, so the box keeps the standard look. A
    // line break is a carriage return in the text; the label breaks at '\n'.
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, skinCaption(), shown,
                    QMessageBox::Ok);
    box.setProperty("daixiSkinMessage", text);
    box.exec();
}

void TSkinData::Loaded()
{
    m_loaded = true;
    if (!m_engine)
        m_engine = new SkinEngine(this);
    m_engine->startWatching();
    if (!m_active)
        return;
    if (m_state == SkinState::Usable)
        startSkinning();
    else
        m_active = false;
}

void TSkinData::startSkinning()
{
    m_engine->setSkinning(true);
}

bool TSkinData::isSkinning() const
{
    return m_engine && m_engine->isSkinning();
}
