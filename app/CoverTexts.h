#pragma once
// The texts that present the program, shared by the splash and About windows.

#include <string_view>

namespace CoverTexts {

// The page about the program ships in the program's folder; the line under the title names
// it, and "Go there" opens it.
inline constexpr std::string_view PageFileName = "tarnwick.html";
inline constexpr std::string_view WebAddressLine = "Tarnwick page: tarnwick.html";
inline constexpr std::string_view VersionLine = "Tarnwick version 1.1";
inline constexpr std::string_view Credits =
    "Tarnwick, version 1.1.\r"
    "\r"
    "Tarnwick is a teaching program: students and teachers may run it and pass it on "
    "freely for learning, without charge. It comes as it is, without warranty of any "
    "kind.\r"
    "\r"
    "Please send comments, questions and reports of problems to your teacher or course "
    "instructor, who looks after the copy you use.";

inline constexpr std::string_view Title = "Tarnwick\rSoftware for Cadmoria";

} // namespace CoverTexts
