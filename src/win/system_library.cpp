#include "win/system_library.h"

namespace wp::win {

HMODULE SystemLibrary::module() {
    if (!tried_) {
        tried_ = true;
        module_ = LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return module_;
}

} // namespace wp::win
