#include "HostOptions.h"

UserInterfaceOptions adjustedUserInterfaceOptions(UserInterfaceOptions options, bool hideBorders,
                                                  bool hideScrollBars)
{
    const UserInterfaceOptions borders =
        UserInterfaceOption::NO3DBORDER | UserInterfaceOption::NO3DOUTERBORDER;
    if (hideBorders)
        options |= borders;
    else
        options &= ~borders;
    options.setFlag(UserInterfaceOption::SCROLL_NO, hideScrollBars);
    return options;
}
