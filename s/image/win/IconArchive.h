#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/image/icon/IconDirectory.h"
#include "s/platform/win/IconHandle.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::image::win {

class BufferedImage;

// The images of one icon group resource of a module (RT_GROUP_ICON, its
// images in RT_ICON resources): each as a 32-bit image with straight alpha
// and as a native icon handle. Images stored as device-independent bitmaps
// and as PNG both decode (the system's icon reader knows both; a system
// without PNG icons leaves those images out). The image for a wanted size
// follows IconDirectory's rule.
//
// open() decodes every image at once, so that afterwards nothing changes:
// windows on their own threads may then read one archive together. Whoever
// took the archive owns it and the handles it gives out; release() destroys
// them. Open and release on one thread.
class IconArchive : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(IconArchive, u"s_image_win_IconArchive")
public:
    using Entry = s::image::icon::IconDirectory::Entry;

    void reset() override;

    // Reads icon group `groupId` of `module` (null: the program file). False,
    // with no images, when there is no such group; images that do not
    // decode stay in the directory without image or handle.
    bool open(HMODULE module, int32_t groupId);

    size_t getCount() const { return directory.getCount(); }
    // The directory line of image `index` (below getCount()).
    const Entry& getEntry(size_t index) const { return directory.getEntry(index); }
    // The index of the image used for size x size pixels, or -1. Only
    // images that decoded take part, so that a system without PNG icons
    // still gets the closest image it can show.
    int32_t selectEntry(int32_t size) const;

    // A new copy of the image for size x size pixels that the caller
    // releases, or null when there is none (or it did not decode).
    BufferedImage* getIconImage(int32_t size) const;
    // The icon for size x size pixels, borrowed from the archive; null when
    // there is none.
    HICON getIconHandle(int32_t size) const;
    // The same for image `index`; null outside the directory.
    BufferedImage* getEntryImage(size_t index) const;
    HICON getEntryHandle(size_t index) const;

private:
    IconArchive() { reset(); }
    ~IconArchive() override = default;

    s::image::icon::IconDirectory directory;
    // Parallel to the directory's entries; empty or null where an image did
    // not decode.
    std::vector<s::thread::PoolRef<BufferedImage>> images;
    std::vector<s::platform::win::OwnedIcon> handles;
    // The entries that decoded, and where each stands in the directory.
    std::vector<Entry> decoded;
    std::vector<size_t> decodedIndex;
};

} // namespace s::image::win
