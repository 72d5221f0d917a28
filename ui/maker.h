#pragma once
// Who makes Quenlith: shown in the caption, the hyperlink and the status line.
// The address is short enough for the 96-pixel hyperlink to show it whole.

#define QUENLITH_MAKER_ADDRESS "http://qlt.test"
#define QUENLITH_MAKER_SITE "Quenlith工作室"

inline constexpr char kMakerAddress[] = QUENLITH_MAKER_ADDRESS;
inline constexpr char kMainWindowCaption[] =
    "Quenlithv1.0       " QUENLITH_MAKER_ADDRESS " " QUENLITH_MAKER_SITE;
inline constexpr char kCreditText[] =
    "作者：Quenlith 开发组\r\n"
    "联系：team@qlt.test\r\n"
    "网站：" QUENLITH_MAKER_ADDRESS;
