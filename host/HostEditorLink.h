// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorrel {

// The host editor's automation object. Methods are called late-bound, by name, with text
// arguments; every call goes to the host anew. A failing call throws HostError carrying the
// host's own message.
class HostObject {
public:
    virtual ~HostObject() = default;
    // Returns the call's result as text (empty when the host returns nothing).
    virtual std::string call(const std::string& method,
                             const std::vector<std::string>& args = {}) = 0;
};

// What the program knows of the host editor: whether it runs, and how to reach its object.
class HostEditorLink {
public:
    virtual ~HostEditorLink() = default;
    // The host-running test, made once at start-up.
    virtual bool wexdorRunning() = 0;
    // A fresh automation object; throws HostError when the host cannot be reached.
    virtual std::shared_ptr<HostObject> connect() = 0;
};

} // namespace vorrel
