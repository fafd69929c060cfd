#include "ArchiveTestSupport.h"

#include "ImageTestSupport.h"

namespace qmtest {

std::string BoardImage(const std::string& id, const std::string& set01) {
    return ReferenceImage("[SYSTEM]\r\nID=" + id + "\r\nSET01=" + set01 + "\r\nCRC=0\r\n");
}

} // namespace qmtest
