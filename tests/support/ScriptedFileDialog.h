#pragma once

#include "filedialog/FileDialogPlatform.h"

// A file dialog for tests: records what it was asked and answers as scripted.
class ScriptedFileDialog : public FileDialogPlatform {
public:
    FileDialogResult Run(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        return answer;
    }

    void ChooseFile(const QString& path)
    {
        answer.accepted = true;
        answer.chosenPath = path;
        answer.filterIndex = 1;
    }
    void Cancel() { answer = FileDialogResult(); }

    FileDialogResult answer;
    std::vector<FileDialogRequest> requests;
};
