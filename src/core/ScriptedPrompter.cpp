#include "ScriptedPrompter.h"

void ScriptedPrompter::tell(Kind kind, const QString& text) {
    record({kind, text, false});
}

void ScriptedPrompter::record(const Entry& entry) {
    if (recordLimit_ >= 0 && entries_.size() >= recordLimit_) {
        ++omitted_;
        return;
    }
    entries_.append(entry);
}

bool ScriptedPrompter::ask(Kind kind, const QString& text) {
    record({kind, text, true});
    if (answers_.empty()) {
        return defaultAnswer_;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::openFile(const FileRequest& request) {
    return nextFileName(request);
}

std::optional<QString> ScriptedPrompter::saveFile(const FileRequest& request) {
    return nextFileName(request);
}

std::optional<QString> ScriptedPrompter::nextFileName(const FileRequest& request) {
    fileRequests_.append(request);
    if (fileNames_.empty()) {
        return std::nullopt;
    }
    const QString name = fileNames_.front();
    fileNames_.pop_front();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

QStringList ScriptedPrompter::texts() const {
    QStringList all;
    for (const Entry& entry : entries_) {
        all.append(entry.text);
    }
    return all;
}

void ScriptedPrompter::clear() {
    entries_.clear();
    omitted_ = 0;
    fileRequests_.clear();
}
