#include "Board_road.h"

namespace qm {

ImageRead BoardRoad::load(const std::string& path, Medium from, MessageSink& messages) {
    ImageRead read = ReadImage(path, messages);
    if (read.result == ImageResult::Success && from == Medium::Board)
        archive_.keepRead(read.bytes);
    return read;
}

ImageResult BoardRoad::store(const std::string& path, Medium to, const Settings& record,
                             bool withSerial, MessageSink& messages) {
    if (to == Medium::File && !IsBoardSettingsPath(*volumes_(), path))
        return WriteImage(path, record, withSerial, messages);
    // What the board holds when the store writes it is about to be lost.
    return WriteImage(path, record, withSerial, messages, [&] {
        if (!archive_.keepBeforeWrite(path) && old_ == OldImage::MustBeKept)
            throw BoardNotKept{};
    });
}

} // namespace qm
