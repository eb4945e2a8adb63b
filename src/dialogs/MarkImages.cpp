#include "dialogs/MarkImages.h"

namespace {
std::function<QIcon(int)>& provider() {
    static std::function<QIcon(int)> p;
    return p;
}
} // namespace

namespace MarkImages {
void setProvider(std::function<QIcon(int index)> p) {
    provider() = std::move(p);
}

QIcon icon(int index) {
    return provider() ? provider()(index) : QIcon();
}
} // namespace MarkImages
