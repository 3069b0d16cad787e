#include "platform/Registry.h"

#include <map>

namespace {
std::map<std::string, ObjectFactory, std::less<>>& classes() {
    static std::map<std::string, ObjectFactory, std::less<>> registry;
    return registry;
}
} // namespace

void RuntimeRegisterClass(const std::string& fullName, ObjectFactory factory) {
    classes().emplace(fullName, std::move(factory));
}

bool RuntimeClassRegistered(std::string_view fullName) {
    return classes().find(fullName) != classes().end();
}

std::shared_ptr<Object> RuntimeNewObject(std::string_view fullName) {
    auto it = classes().find(fullName);
    return it == classes().end() ? nullptr : it->second();
}

void RuntimeClearClassRegistry() { classes().clear(); }
