#include "framework/SystemServices.h"

namespace fw {

std::string AfxGetAppName() {
    std::string name = GetModuleFileNameA();
    size_t start = name.find_last_of("\\/");
    if (start != std::string::npos) {
        name.erase(0, start + 1);
    }
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

}  // namespace fw
