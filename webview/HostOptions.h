#pragma once

#include <QFlags>
#include <QtGlobal>

// The two option sets of the browser host, with the published values of the
// browser's download-control and document-host user-interface flags. The
// host keeps the sets and their numeric values as the layout declares them,
// and maps each one onto the nearest setting of the engine that hosts the
// page (see WebEngineBackend::applyOptions).

enum class DownloadOption : quint32 {
    DLCTL_DLIMAGES = 0x00000010,
    DLCTL_VIDEOS = 0x00000020,
    DLCTL_BGSOUNDS = 0x00000040,
    DLCTL_NO_SCRIPTS = 0x00000080,
    DLCTL_NO_JAVA = 0x00000100,
    DLCTL_NO_RUNACTIVEXCTLS = 0x00000200,
    DLCTL_NO_DLACTIVEXCTLS = 0x00000400,
    DLCTL_DOWNLOADONLY = 0x00000800,
    DLCTL_NO_FRAMEDOWNLOAD = 0x00001000,
    DLCTL_RESYNCHRONIZE = 0x00002000,
    DLCTL_PRAGMA_NO_CACHE = 0x00004000,
    DLCTL_NO_BEHAVIORS = 0x00008000,
    DLCTL_NO_METACHARSET = 0x00010000,
    DLCTL_URL_ENCODING_DISABLE_UTF8 = 0x00020000,
    DLCTL_URL_ENCODING_ENABLE_UTF8 = 0x00040000,
    DLCTL_NOFRAMES = 0x00080000,
    DLCTL_FORCEOFFLINE = 0x10000000,
    DLCTL_NO_CLIENTPULL = 0x20000000,
    DLCTL_SILENT = 0x40000000,
    DLCTL_OFFLINE = 0x80000000,
};
Q_DECLARE_FLAGS(DownloadOptions, DownloadOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(DownloadOptions)

enum class UserInterfaceOption : quint32 {
    DIALOG = 0x00000001,
    DISABLE_HELP_MENU = 0x00000002,
    NO3DBORDER = 0x00000004,
    SCROLL_NO = 0x00000008,
    DISABLE_SCRIPT_INACTIVE = 0x00000010,
    OPENNEWWIN = 0x00000020,
    DISABLE_OFFSCREEN = 0x00000040,
    FLAT_SCROLLBAR = 0x00000080,
    DIV_BLOCKDEFAULT = 0x00000100,
    ACTIVATE_CLIENTHIT_ONLY = 0x00000200,
    OVERRIDEBEHAVIORFACTORY = 0x00000400,
    CODEPAGELINKEDFONTS = 0x00000800,
    URL_ENCODING_DISABLE_UTF8 = 0x00001000,
    URL_ENCODING_ENABLE_UTF8 = 0x00002000,
    ENABLE_FORMS_AUTOCOMPLETE = 0x00004000,
    ENABLE_INPLACE_NAVIGATION = 0x00010000,
    IME_ENABLE_RECONVERSION = 0x00020000,
    THEME = 0x00040000,
    NOTHEME = 0x00080000,
    NOPICS = 0x00100000,
    NO3DOUTERBORDER = 0x00200000,
};
Q_DECLARE_FLAGS(UserInterfaceOptions, UserInterfaceOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(UserInterfaceOptions)

// The defaults a freshly created host assigns before the layout's settings.
inline constexpr DownloadOptions defaultDownloadOptions()
{
    return DownloadOption::DLCTL_DLIMAGES | DownloadOption::DLCTL_VIDEOS |
           DownloadOption::DLCTL_BGSOUNDS;
}

// The user-interface set after the border and scroll-bar switches have been
// folded in: HideBorders adds both border flags (otherwise removes them),
// HideScrollBars adds SCROLL_NO (otherwise removes it).
UserInterfaceOptions adjustedUserInterfaceOptions(UserInterfaceOptions options, bool hideBorders,
                                                  bool hideScrollBars);

// A set's value is the bitwise OR of its options, 0 for an empty set.
inline quint32 optionValue(DownloadOptions options) { return options.toInt(); }
inline quint32 optionValue(UserInterfaceOptions options) { return options.toInt(); }
