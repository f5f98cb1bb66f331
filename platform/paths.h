#pragma once
#include <string>

namespace platform {

// The program folder holds torv.ini, the element files and the bitmaps. It is the
// folder of the executable unless a test points it elsewhere.
std::string program_folder();
void set_program_folder(const std::string& folder);

// program_folder() + "/" + name
std::string program_file(const std::string& name);

}  // namespace platform
