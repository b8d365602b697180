#pragma once

#include "filedialog/FileDialogPlatform.h"

#include <deque>

// A file dialog for tests: records what it was asked and answers as scripted, with the
// queued answers first, one per dialog, then with answer every time.
class ScriptedFileDialog : public FileDialogPlatform {
public:
    FileDialogResult Run(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        if (queued.empty())
            return answer;
        const FileDialogResult next = queued.front();
        queued.pop_front();
        return next;
    }

    static FileDialogResult Chosen(const QString& path) { return { true, path, 1, 0 }; }
    void ChooseFile(const QString& path) { answer = Chosen(path); }
    void Cancel() { answer = FileDialogResult(); }

    FileDialogResult answer;
    std::deque<FileDialogResult> queued;
    std::vector<FileDialogRequest> requests;
};
