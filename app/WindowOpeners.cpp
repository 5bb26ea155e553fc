#include "app/WindowOpeners.h"

namespace qor {

void WindowOpeners::add(MainCommand command, Factory factory, AfterClose afterClose) {
    entries_[command] = Entry{std::move(factory), std::move(afterClose)};
}

void WindowOpeners::remove(MainCommand command) {
    entries_.erase(command);
}

bool WindowOpeners::has(MainCommand command) const {
    return entries_.count(command) != 0;
}

std::unique_ptr<QDialog> WindowOpeners::create(MainCommand command, TfrmMain& main) const {
    auto it = entries_.find(command);
    if (it == entries_.end() || !it->second.factory) return nullptr;
    return it->second.factory(main);
}

void WindowOpeners::afterClose(MainCommand command, TfrmMain& main, QDialog& window,
                               int result) const {
    auto it = entries_.find(command);
    if (it != entries_.end() && it->second.afterClose) it->second.afterClose(main, window, result);
}

} // namespace qor
