#pragma once
// Test doubles for the application's resources.

#include "platform/Resources.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Resources of a test's own: pictures given as bytes by id, ids hidden from the real
// resources, and every GetPicture call recorded. Ids it neither holds nor hides come from
// the real resources, unless realResources is false.
class TestResourceFork : public ResourceFork {
  public:
    std::map<int32_t, std::string> data;
    std::set<int32_t> missing;
    bool realResources = true;
    std::vector<int32_t> calls;

    std::shared_ptr<Picture> GetPicture(int32_t id) override {
        calls.push_back(id);
        if (auto it = data.find(id); it != data.end()) return PictureFromData(it->second);
        if (missing.count(id) || !realResources) return nullptr;
        return real_->GetPicture(id);
    }
    // How many times the picture with that id was asked for.
    int callsFor(int32_t id) const {
        int n = 0;
        for (int32_t c : calls)
            n += c == id;
        return n;
    }

  private:
    // Taken before any test source is installed, so it is the real one.
    std::shared_ptr<ResourceFork> real_ = appResourceForkGetter();
};

// Makes appResourceForkGetter hand out the given fork (nullptr included) for the scope's
// lifetime, and counts how often it is asked.
class ScopedResourceFork {
  public:
    explicit ScopedResourceFork(std::shared_ptr<ResourceFork> fork) : fork_(std::move(fork)) {
        previous_ = seams::setResourceForkSource([this] {
            ++getterCalls;
            return fork_;
        });
    }
    ~ScopedResourceFork() { seams::setResourceForkSource(previous_); }
    ScopedResourceFork(const ScopedResourceFork&) = delete;
    ScopedResourceFork& operator=(const ScopedResourceFork&) = delete;
    int getterCalls = 0;

  private:
    std::shared_ptr<ResourceFork> fork_;
    seams::ResourceForkSource previous_;
};
