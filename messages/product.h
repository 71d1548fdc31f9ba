#pragma once
// Fixed texts of the product. The web and mail addresses are under the
// reserved example domain.

namespace jubilo {

inline constexpr char kProductName[] = "Jubilo";
inline constexpr char kHomePageAddress[] = "https://www.jubilo.example/";
inline constexpr char kContactPageAddress[] = "https://www.jubilo.example/contact";
inline constexpr char kSupportEmailAddress[] = "support@jubilo.example";

}  // namespace jubilo
