#include <gtest/gtest.h>

#include "app/TarvoApplication.h"

TEST(WindowSystem, WaylandUsesXWaylandOnlyWhenPresentAndNotOverridden) {
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", ":0", ""), "xcb");
    EXPECT_EQ(TarvoApplication::PlatformFor("", "wayland-0", ":1", ""), "xcb");
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", "", ""), "");
    EXPECT_EQ(TarvoApplication::PlatformFor("x11", "", ":0", ""), "");
    EXPECT_EQ(TarvoApplication::PlatformFor("wayland", "wayland-0", ":0", "offscreen"), "");
}
