#pragma once

#include "sheet/SheetError.h"
#include "sheet/WorkbookReader.h"
#include "support/XlsxBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <string>

// Writes a workbook into a folder of the test's own and reads it back.
class SheetFixture : public ::testing::Test {
protected:
    std::string path(const char* name = "book.xlsx") const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

    sheet::Sheet read(const testing_support::XlsxBuilder& book)
    {
        book.write(path());
        return sheet::readActiveSheet(path(), format);
    }

    // The reader's message for the workbook, or "<read>" when it was read.
    std::string failureOf(const testing_support::XlsxBuilder& book)
    {
        book.write(path());
        return failureOfFile(path());
    }
    std::string failureOfFile(const std::string& file)
    {
        try {
            sheet::readActiveSheet(file, format);
        } catch (const sheet::SheetError& e) {
            return e.what();
        }
        return "<read>";
    }

    static std::string text(const sheet::Sheet& s, std::uint32_t row, std::uint32_t column)
    {
        const sheet::Row* r = s.findRow(row);
        const sheet::Cell* c = r ? r->find(column) : nullptr;
        return c ? c->text : "<absent>";
    }

    QTemporaryDir dir;
    sheet::RegionalFormat format{"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"};
};
