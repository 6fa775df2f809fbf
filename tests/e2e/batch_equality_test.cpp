// The batch command against the real window: for each file and settings the
// window loads the file, runs the spectrum and the correlation the way the
// user does and exports both tables; the batch code runs on the same file with
// the same settings as options; the four files must match byte for byte.
#include "e2e_support.h"
#include "reference_text.h"

#include "batch/batch_run.h"
#include "input/box_values.h"
#include "numbers/locale_separators.h"

#include <QCheckBox>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

struct TCase {
    const char* name;
    std::string file;    // the data file's bytes
    std::string pattern; // the pattern file's bytes; empty: autocorrelation
    const char* adc = "100";
    const char* harmonics = "32";
    bool keepZero = false;
    const char* rate = nullptr; // typed into the rate box after the load
    const char* patternAdc = "100";
    const char* start = "0";
    const char* width = "100";
    char decimalPoint = '.';
};

// count samples of a tone in harmonic 5, a weaker one in 13 and an offset,
// three decimals, every seventh with a comma, ended by `end`.
std::string Samples(int count, const char* end, double offset = 0.3)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%.3f",
                      1.5 * std::sin(2 * M_PI * 5 * i / count) + 0.4 * std::cos(2 * M_PI * 13 * i / count) +
                          offset);
        std::string s = line;
        if (i % 7 == 3)
            s[s.find('.')] = ',';
        text += s + end;
    }
    return text;
}

class BatchEquality : public EndToEnd {
protected:
    void Compare(const TCase& c)
    {
        SCOPED_TRACE(c.name);
        SetLocaleSeparators(c.decimalPoint, ' ');
        AnswerDialogWith(c.file, "signal.DAT");
        LoadDataFile();
        SetEdit(form_->EditADC, c.adc);
        SetEdit(form_->EditKmax, c.harmonics);
        form_->CheckBoxH0->setChecked(!c.keepZero);
        if (c.rate)
            SetEdit(form_->EditScaleX, c.rate);
        form_->ButtonDataRefresh->click();
        const std::string patternPath = PathIn("pattern.txt");
        if (!c.pattern.empty()) {
            std::ofstream(patternPath, std::ios::binary) << c.pattern;
            form_->RichEdit2->LoadFileBytes(c.pattern);
            SetEdit(form_->EditADCpat, c.patternAdc);
            form_->ButtonGraphPat->click();
            form_->ButtonStartPatKor->click();
        } else {
            SetEdit(form_->EditStartPattern, c.start);
            SetEdit(form_->EditWidthPattern, c.width);
            form_->ButtonStartAutoKor->click();
        }
        form_->NSpectr->trigger();
        form_->NKorr->trigger();
        ASSERT_TRUE(ShownErrors().empty()) << ShownErrors().front().text;

        TBatchOptions options;
        options.adc = *BoxIntegerValue(c.adc);
        options.harmonics = *HarmonicCountValue(c.harmonics);
        options.removeZeroHarmonic = !c.keepZero;
        if (c.rate)
            options.rateText = Cp(c.rate);
        if (!c.pattern.empty()) {
            options.patternFile = patternPath;
            options.patternAdc = *BoxIntegerValue(c.patternAdc);
        }
        options.autoWindow = {*BoxIntegerValue(c.start), *BoxIntegerValue(c.width)};
        options.outputFolder = PathIn("batch");
        std::filesystem::create_directory(options.outputFolder);
        options.inputs = {PathIn("signal.DAT")};
        ASSERT_EQ(RunBatch(options, stderr), 0);

        for (const char* name : {"export_spectr.dat", "export_korr.dat"}) {
            const std::string window = reference::FileBytes(PathIn(name));
            EXPECT_GT(window.size(), 40u) << name;
            EXPECT_EQ(reference::FileBytes(options.outputFolder + "/" + name), window) << name;
        }
    }
};

const char kHeader[] = "Sampex 2.1\r\nStream rate (Hz): 250\tgain 1\r\n*******\r\n";

TEST_F(BatchEquality, HeaderCrLfAndTheDefaults)
{
    Compare({"header, CR LF", kHeader + Samples(300, "\r\n"), {}});
}

TEST_F(BatchEquality, NoHeaderLfDecimalCommaZeroHarmonicKept)
{
    TCase c{"no header, LF, comma", Samples(257, "\n"), {}};
    c.keepZero = true;
    c.harmonics = "7";
    c.adc = "1000";
    c.start = "20";
    c.width = "37";
    c.decimalPoint = ',';
    Compare(c);
}

TEST_F(BatchEquality, CrLineEndsWithAPatternAndATypedRate)
{
    std::string header = "Sampex\rStream rate (Hz): 1000,5\tgain\r*******\r";
    TCase c{"CR, pattern", header + Samples(200, "\r", -0.2), Samples(40, "\n")};
    c.patternAdc = "50";
    c.rate = "1,5";
    c.decimalPoint = ',';
    Compare(c);
}

// Line ends mixed within one file, a rate after a break right behind the
// colon (no number for the window), a marker line with more after it.
TEST_F(BatchEquality, MixedBreaksAndAnOddHeader)
{
    const std::string file = "head\nStream rate (Hz):\n250\tx\r\n*******\n" + Samples(60, "\n") +
        Samples(60, "\r") + Samples(60, "\r\n");
    TCase c{"mixed", file, {}};
    c.width = "30";
    c.harmonics = "0x10";
    Compare(c);
}

} // namespace
