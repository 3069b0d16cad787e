#pragma once
// The sprite surface as a plug-in: its operations are bound by name at start-up into a
// table of entry points that the program owns.

#include <cstdint>
#include <string_view>
#include <vector>

// One operation that the sprite plug-in exports, known by its signature text.
struct PluginEntrypoint {
    std::string_view name;
};

// A table of `count` unbound entries (nullptr).
std::vector<const PluginEntrypoint*> RuntimeAllocatePluginEntrypointsTable(int32_t count);
// The exported operation of that name, or nullptr when the plug-in has none.
const PluginEntrypoint* RuntimeLookupPluginEntrypoint(std::string_view name);

// Registers the framework's own classes by name (the sprite plug-in's Sprite and
// SpriteSurface last); registering twice does nothing.
void RuntimeRegisterFrameworkClasses();
// The framework's lists of open windows and its type information, released at shutdown:
// open windows are closed without their Close events, and the class registry is emptied.
void RuntimeReleaseWindowLists();
void RuntimeReleaseTypeInformation();
