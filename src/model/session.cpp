#include "model/session.h"

namespace hx {

void DispatchTable::add(const std::string& form, const std::string& control, Handler handler) {
    handlers_[{form, control}] = std::move(handler);
}

bool DispatchTable::has(const std::string& form, const std::string& control) const {
    return handlers_.find({form, control}) != handlers_.end();
}

void DispatchTable::dispatch(Session& session, const std::string& form,
                             const std::string& control) const {
    auto it = handlers_.find({form, control});
    if (it != handlers_.end()) it->second(session);
}

}  // namespace hx
