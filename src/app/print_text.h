#pragma once
// Printing a listing: on the system's default printer, or into a PDF file when no printer is
// installed. The text is printed in a fixed-pitch font, two empty lines at the top of each
// page, and a line wider than the page is continued on the next line.
#include <filesystem>
#include <string_view>

namespace velmora {

// `PrintText`: false when the printer (or the PDF file) could not be written. `pdf` receives
// the file written when the PDF fallback was used, and stays empty otherwise.
bool PrintText(std::string_view text, const std::filesystem::path& pdf_fallback,
               std::filesystem::path* pdf);

}  // namespace velmora
