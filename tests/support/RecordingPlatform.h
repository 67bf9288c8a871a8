// SPDX-License-Identifier: MIT
#pragma once

#include "app/Errors.h"
#include "app/Platform.h"
#include "host/HostEditorLink.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorrel::test {

// Everything the core did to the outside world, in order, as readable lines.
using EventLog = std::vector<std::string>;

// A host object that records each call and answers from scripts the test sets: per method a
// queue of answers (the last one repeats), and methods that fail with a message.
class RecordingHost : public HostObject {
public:
    explicit RecordingHost(EventLog& log) : log_(log) {}

    std::map<std::string, std::deque<std::string>> answers;
    std::map<std::string, std::string> failures;

    std::string call(const std::string& method, const std::vector<std::string>& args) override {
        std::string line = "host " + method;
        for (const std::string& arg : args)
            line += " [" + arg + "]";
        log_.push_back(line);
        if (auto failure = failures.find(method); failure != failures.end())
            throw HostError(failure->second);
        auto& queue = answers[method];
        if (queue.empty())
            return {};
        std::string answer = queue.front();
        if (queue.size() > 1)
            queue.pop_front();
        return answer;
    }

private:
    EventLog& log_;
};

class RecordingLink : public HostEditorLink {
public:
    explicit RecordingLink(EventLog& log) : host(std::make_shared<RecordingHost>(log)), log_(log) {}

    std::shared_ptr<RecordingHost> host;
    bool reachable = true;

    bool wexdorRunning() override { return true; }
    std::shared_ptr<HostObject> connect() override {
        log_.push_back("connect");
        if (!reachable)
            throw HostError("no owner of Wexdor4.Plugin");
        return host;
    }

private:
    EventLog& log_;
};

class RecordingPlatform : public MessageBoxes,
                          public Clipboard,
                          public FolderPicker,
                          public AppWindows,
                          public FileOutput {
public:
    explicit RecordingPlatform(EventLog& log) : log_(log) {}

    // Files committed so far, by path.
    std::map<std::string, std::string> files;
    std::string clipboard;
    std::string pickedFolder; // empty: the picker's start folder
    bool cancelPicker = false;
    bool answerYes = true;
    std::string failCreateWith;
    std::string failWriteWith;

    void showPlain(const std::string& text) override { log_.push_back("plain: " + text); }
    void showInformation(const std::string& text) override {
        log_.push_back("information: " + text);
    }
    void showError(const std::string& text) override { log_.push_back("error: " + text); }
    bool askYesNo(const std::string& text) override {
        log_.push_back("question: " + text);
        return answerYes;
    }

    void setText(const std::string& text) override {
        log_.push_back("clipboard");
        clipboard = text;
    }

    std::optional<std::string> pickFolder(const std::string& start,
                                          const std::string& title) override {
        log_.push_back("pick folder from " + start + " titled " + title);
        if (cancelPicker)
            return std::nullopt;
        return pickedFolder.empty() ? start : pickedFolder;
    }

    void minimize() override { log_.push_back("minimize"); }
    void restore() override { log_.push_back("restore"); }

    // A page committed earlier is there; nothing else is.
    PathKind kindOf(const std::string& path) override {
        return files.count(path) ? PathKind::Regular : PathKind::None;
    }

    std::unique_ptr<OutputFile> create(const std::string& path) override {
        log_.push_back("create " + path);
        if (!failCreateWith.empty())
            throw FileError(failCreateWith);
        return std::make_unique<File>(*this, path);
    }

private:
    class File : public OutputFile {
    public:
        File(RecordingPlatform& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        void write(std::string_view bytes) override {
            if (!owner_.failWriteWith.empty())
                throw FileError(owner_.failWriteWith);
            bytes_ += bytes;
        }
        void commit() override {
            owner_.log_.push_back("commit " + path_);
            owner_.files[path_] = bytes_;
        }

    private:
        RecordingPlatform& owner_;
        std::string path_;
        std::string bytes_;
    };

    EventLog& log_;
};

} // namespace vorrel::test
