// Questions the tool asks about other programs' top-level windows.
#pragma once

#include <string>

// The title of the top-level window of the given class, or an empty string
// when there is none. At most 255 bytes are read, whatever length the window
// reports; a window that does not answer within a few seconds gives an empty
// title; a lead byte left alone at the end of a cut title is dropped.
std::string TitleOfTopLevelWindow(const char* className);

// True while a top-level window of the class with exactly this title exists.
bool TopLevelWindowExists(const char* className, const char* title);
