// Remembers the inputs and the result of the last call of a pure function,
// so that a loop calling it again with the same inputs, bit for bit, takes
// the result it already has. The efficiency loop of a rating passes the same
// tube flow and the same rating inputs many times over while it settles.
#pragma once

#include <cstring>
#include <type_traits>

namespace hx {

template <typename In, typename Out>
class LastCall {
    // Inputs are compared byte for byte: plain records of float and int.
    static_assert(std::is_trivially_copyable_v<In>);
    static_assert(sizeof(In) % sizeof(float) == 0, "an input record with padding");

public:
    template <typename Function>
    const Out& operator()(const In& in, Function function) {
        if (!valid_ || std::memcmp(&in, &in_, sizeof(In)) != 0) {
            in_ = in;
            out_ = function(in);
            valid_ = true;
        }
        return out_;
    }

private:
    In in_{};
    Out out_{};
    bool valid_ = false;
};

}  // namespace hx
