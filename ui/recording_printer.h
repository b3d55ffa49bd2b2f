#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "ui/printer.h"

namespace tessaro::ui {

// A printer that records every call instead of printing, for tests. Its fonts are a fixed list;
// a name it lacks is replaced by its first font, as a real printer substitutes one it has.
class RecordingPrinter : public Printer {
  public:
    struct Call {
        enum class Kind { Text, Line, EndPage, EndDoc, Drawing };
        Kind kind;
        double x = 0;  // twips; a line's start
        double y = 0;
        double x2 = 0;  // a line's end
        double y2 = 0;
        std::string text{};
        std::string fontName{};
        double fontSize = 0;
        bool bold = false;
        // Calls after the end of the document reach no paper.
        bool afterEndDoc = false;
    };

    explicit RecordingPrinter(double pageWidth = 0, double pageHeight = 0,
                              std::vector<std::string> fonts = {"Arial", "Courier New",
                                                                "Times New Roman"});

    double PageWidth() const override { return width_; }
    double PageHeight() const override { return height_; }
    std::vector<std::string> FontNames() const override { return fonts_; }
    void SetFontName(const std::string& name) override;
    std::string FontName() const override { return fontName_; }
    void SetFontSize(double points) override { fontSize_ = points; }
    void SetBold(bool bold) override { bold_ = bold; }
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    void Print(const std::string& text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void EndPage() override;
    void EndDoc() override;
    // Records the page and has it drawn into a picture of the paper's size at 96 dots per inch,
    // which Drawings() keeps.
    void DrawPage(const PageDrawing& draw) override;

    const std::vector<Call>& Calls() const { return calls_; }
    const std::vector<QImage>& Drawings() const { return drawings_; }

  private:
    void Record(Call call);

    double width_;
    double height_;
    std::vector<std::string> fonts_;
    std::string fontName_;
    double fontSize_ = 10;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
    bool ended_ = false;
    std::vector<QImage> drawings_;
    std::vector<Call> calls_;
};

}  // namespace tessaro::ui
