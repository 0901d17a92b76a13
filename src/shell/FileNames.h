#pragma once
// The fixed names of the files the program reads and writes, spelt and cased as they are on disk.
#include <array>

// Program folder: settings, question database, report, the voice files' folder.
constexpr const char* SettingsFileName = "trvtest.ini";
constexpr const char* QuestionDatabaseName = "TARVOS.MDB";
constexpr const char* ReportFileName = "REPORT.PRN";
constexpr const char* SoundFolderName = "TARVOS/sound"; // + "/<table>/<file>.wav"
constexpr const char* RawImageFileName = "raw.bmp";     // the last scanned page
constexpr const char* TempFilePrefix = "temp";          // + n: scratch files of printing

// Data folder: the client file and the scratch file of the write test.
constexpr const char* ClientFileName = "DATA401.TRV";
constexpr const char* WriteTestFileName = "checkWriteTest";

// The data files of the report, beside the program.
constexpr const char* ReportTextFileName = "TRVV3RPT.TXT";
constexpr const char* ScoringDataFileName = "TRVBR.TXT";
constexpr const char* InvalidNoticeFileName = "INVAL.TXT";
// Paragraph files of scales 1..7 (index 0 unused).
constexpr std::array<const char*, 8> ParagraphFileNames = {
    "",           "TRVV3VA.TXT", "TRVV3AL.TXT", "TRVV3DG.TXT", "TRVV3VI.TXT", "TRVV3AS.TXT", "TRVV3AG.TXT",
    "TRVV3SC.TXT"};
