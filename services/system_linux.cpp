// Desktop entries, found and started by GIO as the desktop itself would.
#include "services/system.h"

#include <gio/gdesktopappinfo.h>

#include <iterator>
#include <string_view>
#include <vector>

namespace services {

namespace {

// Each desktop's own tool, by the names XDG_CURRENT_DESKTOP gives it.
struct DesktopTools
{
    std::string_view desktop;
    std::vector<const char *> ids;
};
const DesktopTools OwnTools[] = {
    {"KDE", {"org.kde.kinfocenter.desktop"}},
    // Newer GNOME calls its panel "about", older "info-overview".
    {"GNOME", {"gnome-about-panel.desktop", "gnome-info-overview-panel.desktop"}},
    {"Unity", {"gnome-about-panel.desktop", "gnome-info-overview-panel.desktop"}},
    {"Budgie", {"budgie-info-overview-panel.desktop"}},
    {"XFCE", {"xfce4-about.desktop"}},
    {"X-Cinnamon", {"cinnamon-settings-info.desktop"}},
    {"MATE", {"mate-system-monitor.desktop"}},
    // LXQt's own window is mostly about LXQt itself: the general tools first.
    {"LXQt", {"hardinfo.desktop", "cpu-x.desktop", "lxqt-about.desktop"}},
};
const char *const GeneralTools[] = {"hardinfo.desktop", "cpu-x.desktop"};

// MATE's system monitor opens on its processes unless told otherwise.
constexpr std::string_view MateTool = "mate-system-monitor.desktop";

std::vector<const char *> candidates()
{
    std::vector<const char *> ids;
    const char *current = g_getenv("XDG_CURRENT_DESKTOP");
    g_auto(GStrv) desktops = g_strsplit(current ? current : "", ":", 0);
    for (char **desktop = desktops; *desktop; ++desktop) {
        for (const DesktopTools &tools : OwnTools) {
            if (tools.desktop == *desktop)
                ids.insert(ids.end(), tools.ids.begin(), tools.ids.end());
        }
    }
    ids.insert(ids.end(), std::begin(GeneralTools), std::end(GeneralTools));
    return ids;
}

// GIO finds none whose TryExec is missing or that a user's own entry hides.
// NoDisplay only keeps an entry out of menus: GNOME's panels carry it on purpose.
bool usable(const char *id)
{
    g_autoptr(GDesktopAppInfo) entry = g_desktop_app_info_new(id);
    return entry && !g_desktop_app_info_get_is_hidden(entry) &&
           g_desktop_app_info_get_show_in(entry, nullptr);
}

GAppInfo *toStart(const std::string &tool)
{
    GDesktopAppInfo *entry = g_desktop_app_info_new(tool.c_str());
    if (!entry || tool != MateTool)
        return G_APP_INFO(entry);
    g_autofree gchar *line =
        g_strconcat(g_app_info_get_commandline(G_APP_INFO(entry)), " --show-system-tab", nullptr);
    g_object_unref(entry);
    return g_app_info_create_from_commandline(line, nullptr, G_APP_INFO_CREATE_NONE, nullptr);
}

} // namespace

std::string NativeSystem::findTool() const
{
    // Inside a Flatpak sandbox the host's programs are out of reach.
    if (g_file_test("/.flatpak-info", G_FILE_TEST_EXISTS))
        return {};
    for (const char *id : candidates()) {
        if (usable(id))
            return id;
    }
    return {};
}

bool NativeSystem::startTool(const std::string &tool) const
{
    g_autoptr(GAppInfo) entry = toStart(tool);
    if (!entry)
        return false;
    g_autoptr(GAppLaunchContext) context = g_app_launch_context_new();
    // What told the desktop about the program's own start is not the tool's.
    g_app_launch_context_unsetenv(context, "DESKTOP_STARTUP_ID");
    g_app_launch_context_unsetenv(context, "XDG_ACTIVATION_TOKEN");
    // GIO forks twice: the tool is nobody's child, and nobody waits for it.
    return g_app_info_launch(entry, nullptr, context, nullptr);
}

} // namespace services
