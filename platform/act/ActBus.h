#pragma once

#include <QLatin1StringView>

// How the ACT! automation server sits on the D-Bus session bus: its
// programmatic identifier is the bus name, the application object and the
// views are objects at fixed paths, and a view member returning no view gives
// the path "/". Failures are errors named errorPrefix + the error number.
namespace platform::act::bus {

inline constexpr QLatin1StringView serviceName{"ACTOLE.APPOBJECT"};
inline constexpr QLatin1StringView applicationPath{"/Application"};
inline constexpr QLatin1StringView viewsPath{"/Views"};
inline constexpr QLatin1StringView contactViewPath{"/Views/Contact"};
inline constexpr QLatin1StringView groupViewPath{"/Views/Group"};
inline constexpr QLatin1StringView noObjectPath{"/"};

inline constexpr QLatin1StringView applicationInterface{"ACTOLE.Application"};
inline constexpr QLatin1StringView viewsInterface{"ACTOLE.Views"};
inline constexpr QLatin1StringView viewInterface{"ACTOLE.View"};

inline constexpr QLatin1StringView errorPrefix{"ACTOLE.Error.E"};

// View types.
inline constexpr int contactView = 1;
inline constexpr int groupView = 3;

} // namespace platform::act::bus
