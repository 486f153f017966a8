// The sample content database with two more tests for the page measurements: two
// questions, each with twelve options of about 130 characters; and the same first
// question followed by one whose options all differ in text and height.
#pragma once

#include <windows.h>

#include <sqlite3.h>

#include <string>

#include "bench/win/BenchUtil.h"
#include "winutil/WideText.h"

namespace zuno::bench {

// Copies test.dll beside the exe to the temp folder, adds tests "BENCH001" and
// "BENCH002" and gives the copy's path.
inline std::string MakeLongPageDatabase() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"zuno-page-bench.db";
    CopyFileW((Folder() + L"test.dll").c_str(), path.c_str(), FALSE);
    sqlite3* db = nullptr;
    sqlite3_open(app::Narrow(path).c_str(), &db);
    sqlite3_exec(db, "INSERT INTO BigQuestion VALUES (9999,'BENCH001','长选项测试',0,0,'xg_type','0--to  255@___@好')",
                 nullptr, nullptr, nullptr);
    std::string option;
    for (int i = 0; i < 13; ++i) option += "这是一个很长的选项文字，用来测量换行和布局的速度";
    for (int q = 1; q <= 2; ++q) {
        const std::string qid = "BENCH001Q00" + std::to_string(q);
        std::string sql = "INSERT INTO SmallQuestion VALUES ('" + qid + "','请选择一个最符合你的说法@!##1',0)";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        for (int k = 1; k <= 12; ++k) {
            sql = "INSERT INTO Optional VALUES ('" + qid + "O" + (k < 10 ? "0" : "") + std::to_string(k) + "','" +
                  option + "'," + std::to_string(k) + ")";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
    }
    // "BENCH002": the same first page, then a page whose twelve options all read
    // differently and take other heights, so Next re-captions and moves every option.
    sqlite3_exec(db, "INSERT INTO BigQuestion VALUES (9998,'BENCH002','换页测试',0,0,'xg_type','0--to  255@___@好')",
                 nullptr, nullptr, nullptr);
    for (int q = 1; q <= 2; ++q) {
        const std::string qid = "BENCH002Q00" + std::to_string(q);
        std::string sql = "INSERT INTO SmallQuestion VALUES ('" + qid + "','请选择一个最符合你的说法@!##1',0)";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        for (int k = 1; k <= 12; ++k) {
            std::string text = q == 1 ? option : "第" + std::to_string(k) + "个说法：";
            for (int i = 0; q == 2 && i < k; ++i) text += "有时候我会这样想";
            sql = "INSERT INTO Optional VALUES ('" + qid + "O" + (k < 10 ? "0" : "") + std::to_string(k) + "','" +
                  text + "'," + std::to_string(k) + ")";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
    }
    sqlite3_close(db);
    return app::Narrow(path);
}

}  // namespace zuno::bench
