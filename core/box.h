#ifndef MERVANE_CORE_BOX_H
#define MERVANE_CORE_BOX_H

#include <string>
#include <string_view>

namespace core {

// A box of a window, named as in its design, with the field of a record that
// holds its text. Each calculation lists the boxes it reads and writes once;
// the windows, the page's bindings and the tests take them from that list.
template <typename Record>
struct Box {
    std::string_view name;
    std::string Record::*text;
};

}  // namespace core

#endif
