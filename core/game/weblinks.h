// The two web sites the menu and the about box open.
#pragma once

namespace quorvex {

inline constexpr const char* kMakerSiteCaption = "zentrafell.example.org";
inline constexpr const char* kMakerSiteUrl = "https://zentrafell.example.org/";
inline constexpr const char* kAuthorSiteCaption = "quorvex.example.org (german)";
inline constexpr const char* kAuthorSiteUrl = "https://quorvex.example.org/de/";

}  // namespace quorvex
