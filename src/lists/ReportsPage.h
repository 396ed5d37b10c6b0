#pragma once
// The "Reports" page that the reporting point and port sheets share: a list
// of attached documents with the buttons "Add", "View" and "Remove". The page
// works on the sheet's copy of the list; OK replaces the record's list.
#include <optional>
#include <string>
#include <vector>

#include "core/Prompter.h"

namespace marigold {

inline constexpr const char* kSelectFileToOpen = "Please select file to open";
inline constexpr const char* kSelectFileToRemove = "Please select file to remove from list";
inline constexpr const char* kDocumentFilter = "MS Word document (*.doc)|*.doc|All Files (*.*)|*.*||";
// Followed by the path.
inline constexpr const char* kDocumentNotFound = "Document not found:\n";
inline constexpr const char* kDocumentNotOpened = "No program could open the document:\n";

// "Add" appends the chosen file; "View" gives the selected path to open
// (the user is told when the file is gone, say with a drive not mounted);
// "Remove" drops the selected entry. Without a selection (index outside the
// list) the user is told and nothing happens.
bool AddDocument(std::vector<std::string>& documents, CPrompter& prompter);
std::optional<std::string> DocumentToView(const std::vector<std::string>& documents, int selected, CPrompter& prompter);
bool RemoveDocument(std::vector<std::string>& documents, int selected, CPrompter& prompter);

}  // namespace marigold
