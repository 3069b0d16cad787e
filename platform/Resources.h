#pragma once
// The application's resources: the pictures compiled into the program, read by numeric id.
//
// A picture is read at its own size into a new Picture at every GetPicture call; callers
// that want one object keep it themselves. Missing, unreadable, corrupt or empty picture
// data gives nullptr, silently.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

class Picture;

class ResourceFork {
  public:
    virtual ~ResourceFork();
    // The picture with that id, read at its own size, or nullptr.
    virtual std::shared_ptr<Picture> GetPicture(int32_t id);
};

// The application's resources (the real ones unless a test installed a source of its own);
// may be nullptr.
std::shared_ptr<ResourceFork> appResourceForkGetter();

// Decodes picture data (SVG, or a raster format such as PNG) into a Picture at its own size.
// nullptr for empty, corrupt or zero-sized data, or for a picture too large to be a resource
// of this program (more than MaxResourcePictureSide pixels on a side).
std::shared_ptr<Picture> PictureFromData(std::string_view bytes);
inline constexpr int MaxResourcePictureSide = 4096;

namespace seams {
using ResourceForkSource = std::function<std::shared_ptr<ResourceFork>()>;
// Installs the source that appResourceForkGetter asks and returns the previous one; an
// empty function restores the real resources.
ResourceForkSource setResourceForkSource(ResourceForkSource source);
} // namespace seams
