// velmora box export --format qml|sld: a palette as a style for layers that
// carry its attribute.
#include "tools/box/box_file.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_args.h"
#include "tools/gis/attr_columns.h"
#include "tools/commands.h"
#include "tools/gis/parcel_gpkg.h"
#include "tools/gis/qml_style.h"
#include "tools/gis/sld_style.h"
#include "tools/paint/paint_inputs.h"

#include "host/sample_drawing.h"

int RunBoxStyle(const std::vector<std::string>& words) {
    ToolArgs args(words, {"--format", "--palette", "--palette-no", "--field", "-o"}, {"--old"});
    if (args.Positional().size() != 1)
        throw UsageError{"box export takes one box file"};
    std::string format = args.Value("--format");
    if (format != "qml" && format != "sld")
        throw UsageError{"--format takes qml or sld"};
    if (!args.Has("-o"))
        throw UsageError{"box export --format needs -o FILE"};
    if (args.Has("--field") && args.Value("--field").empty())
        throw UsageError{"--field names a column"};
    const std::string& path = args.Positional()[0];
    CVPaletteBox box;
    LoadBox(path, args.Has("--old"), box);
    SelectPalette(args, path, box);
    CVObjPlt& plt = *box.GetSelPlt();
    CheckPaintingPalette(plt, path);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    PaletteStyle style =
        AttributeStyle(plt, drawing.Attr(), args.Value("--field", AttributeField(plt.GetZty())));
    WriteOutput(args.Value("-o"),
                format == "qml" ? WriteQml(style) : WriteSld(style, kParcelLayer));
    return 0;
}
