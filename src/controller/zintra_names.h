#pragma once
// The name and listing rules of the controller client, free of any connection.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// GetFileName_gu: collects the name from its end back to the last "\" or "/" (the whole text
// with the mask "*."), then tests it: an empty mask wants a ".", "*." wants none, any other
// mask must match. On success `name` becomes the collected text; otherwise it becomes empty.
bool ExtractFileName(std::string& name, std::string_view mask = "");

// GetRobotDirectory's filter: one line per kept entry, each ending in a line feed. Entries
// below MADA\, SYSTEM\ and TP\ (any letter case) are dropped.
std::string FilterRobotDirectory(const std::vector<std::string>& entries);

// GetFileList (full_paths false: bare names) and GetFileListPath_Name (true: "NOXA:\R1\" and the
// listed path) from the text of a listing of "\R1\", with the same filter, so the n-th name
// and the n-th path belong together.
std::vector<std::string> FileListFromDirectory(std::string_view directory_text,
                                               std::string_view pattern, bool full_paths);

// RunControlLevel's program name out of a "$PRO_I_O[]" answer or a given name: the text after
// the first "=", cut before the first "(", without double quotes.
std::string ControlLevelProgramName(std::string_view text);

// DownLoadDiskToRobot's two ends: "disk|controller", or a disk path whose controller end is
// "/R1/" and its bare file name.
void SplitDownloadArgument(std::string_view argument, std::string* disk_path,
                           std::string* controller_path);

// IsFileSelected's test of the "$PRO_IP" answer.
bool ProgramIpNamesFile(std::string_view pro_ip_answer, std::string_view file_name);

}  // namespace velmora
