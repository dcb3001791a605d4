// The figure of each slab type.
#include "model/slab_type.h"

#include "platform/program.h"

namespace tavrel {

std::string_view figureFileName(SlabType type) {
    switch (type) {
        case SlabType::Buried:
            return "暗涵盖板.JPG";
        case SlabType::Open:
            return "明涵盖板.JPG";
        case SlabType::Custom:
            break;
    }
    return "自定义荷载.JPG";
}

std::string figureFolderOf(const std::string& programFolder) {
    return platform::dataFolder(programFolder, kFigureFolderName);
}

}  // namespace tavrel
