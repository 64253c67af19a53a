// Control IDs of the page templates: the templates name their controls by these, and the pages look
// them up by them. Several pages share an ID for the same role; where one number has different roles
// on different templates, each role has its own name.
#pragma once

// Every page's step title, except on the three selection pages.
constexpr int IDC_TITLE = 1001;

// Intro page: the three operations.
constexpr int IDC_MODE_BIOS_APLY = 1003;
constexpr int IDC_MODE_APLY_ONLY = 1004;
constexpr int IDC_MODE_BIOS_FONT_APLY = 1005;

// Instruction pages: the numbered instructions.
constexpr int IDC_INSTRUCTION_1 = 1010;
constexpr int IDC_INSTRUCTION_2 = 1011;
constexpr int IDC_INSTRUCTION_3 = 1013;

// Connection pages.
constexpr int IDC_CONNECT_NOTE = 1000;
constexpr int IDC_CHECK_CONNECTION = 1002;
constexpr int IDC_CONNECT_FAILED_TEXT = 1003;
constexpr int IDC_CONNECTED_TEXT = 1004;
constexpr int IDC_CHECKING_TEXT = 1005;
constexpr int IDC_CONNECT_FRAME = 1006;
constexpr int IDC_SCALE_ADDRESS = 1007;

// Selection pages.
constexpr int IDC_SELECT = 1001;
constexpr int IDC_SELECT_TITLE = 1002;
constexpr int IDC_FILE_NAME = 1006;

// Copy pages.
constexpr int IDC_COPY_FAILED_TEXT = 1003;
constexpr int IDC_NEXT_HINT = 1004;
constexpr int IDC_COPYING_TEXT = 1007;
constexpr int IDC_COPIED_TEXT = 1008;
constexpr int IDC_RETRY = 1009;
// While the file travels: how far it has got, and a line with the figures or the wait for the scale.
constexpr int IDC_COPY_PROGRESS = 1014;
constexpr int IDC_COPY_PROGRESS_TEXT = 1015;
