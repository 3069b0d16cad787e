#include "app/Pictures.h"

#include "platform/Resources.h"

namespace {

// The one way every accessor loads: the cached picture if there is one, else the resource
// with that id. Only a picture is kept; nullptr leaves the cache empty for the next call.
std::shared_ptr<Picture> cachedPicture(std::shared_ptr<Picture>& permapic, int32_t id) {
    if (permapic) return permapic;
    std::shared_ptr<ResourceFork> fork = appResourceForkGetter();
    // Without a resource file there is nothing to read; the result is nil as for a
    // missing picture.
    permapic = fork ? fork->GetPicture(id) : nullptr;
    fork.reset();
    return permapic;
}

} // namespace

std::shared_ptr<Picture> FiveLegs() { return cachedPicture(FiveLegsCache::permapic, 168); }
std::shared_ptr<Picture> Tadpole() { return cachedPicture(TadpoleCache::permapic, 169); }
std::shared_ptr<Picture> Frog() { return cachedPicture(FrogCache::permapic, 170); }
std::shared_ptr<Picture> trematode() { return cachedPicture(trematodeCache::permapic, 171); }
std::shared_ptr<Picture> CadmoriaCover() {
    return cachedPicture(CadmoriaCoverCache::permapic, 172);
}
