#pragma once
// The class registry: classes are registered by their full names at start-up, and objects
// of a class can then be made by name.

#include "platform/Object.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

using ObjectFactory = std::function<std::shared_ptr<Object>()>;

// Registers a class; registering a name twice keeps the first registration.
void RuntimeRegisterClass(const std::string& fullName, ObjectFactory factory);
template <class T> void RuntimeRegisterClass(const std::string& fullName) {
    RuntimeRegisterClass(fullName,
                         [] { return std::static_pointer_cast<Object>(std::make_shared<T>()); });
}
bool RuntimeClassRegistered(std::string_view fullName);
// A new object of the registered class, or nullptr for a name nobody registered.
std::shared_ptr<Object> RuntimeNewObject(std::string_view fullName);
// Forgets every registered class (at shutdown).
void RuntimeClearClassRegistry();
