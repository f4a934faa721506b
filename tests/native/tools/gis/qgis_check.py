#!/usr/bin/python3
"""Opens what velmora exports in QGIS, as a user would, and checks it against
the pictures velmora paints.

usage: qgis_check.py VELMORA SAMPLE_DIR WORK_DIR [REGISTRY_MAP.xml]

For every palette of the sample box, the GeoPackage of the sample town opens
coloured by its stored default style, and again with the QML and with the SLD
of `box export`; rendered to WORK_DIR/palette-N-*.png, each parcel's interior
shows the fill `velmora paint` gives it (a solid colour pixel for pixel, a
hatch as smooth lines of its colour on white). The SLD's rules, read in
order, hold for exactly the parcels whose brush the library chose. A registry
map, when given and present, is checked the same way with made-up attributes. GDAL reads every parcel's
attributes back as the attribute CSV gives them, and `box classify` colours
as QGIS's ColorBrewer ramps. Run with Debian's /usr/bin/python3 and
QT_QPA_PLATFORM=offscreen.
"""
import csv
import json
import math
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

from osgeo import ogr
from qgis.core import (NULL, QgsApplication, QgsColorBrewerPalette, QgsMapRendererSequentialJob,
                       QgsMapSettings, QgsRectangle, QgsVectorLayer)
from qgis.PyQt.QtCore import QDate, QSize
from qgis.PyQt.QtGui import QColor, QImage

METRES_PER_PIXEL = 0.25
WHITE = (255, 255, 255)
SE, OGC, SVG = ('{http://www.opengis.net/se}', '{http://www.opengis.net/ogc}',
                '{http://www.w3.org/2000/svg}')
failures = []


def fail(message):
    failures.append(message)
    print('FAIL: ' + message)


def run(*args):
    subprocess.run(args, check=True)


def hex_color(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def paint_fills(svg_path):
    """Each parcel's fill in the painted picture: a colour, ('hatch', colour,
    the lines' directions in degrees clockwise) or None for an outline only."""
    root = ET.parse(svg_path).getroot()
    hatches = {}
    for p in root.iter(SVG + 'pattern'):
        turn = int(p.get('patternTransform')[len('rotate('):-1])
        lines = p.findall(SVG + 'line')
        hatches[p.get('id')] = ('hatch', hex_color(lines[0].get('stroke')),
                                [turn + 90 * i for i in range(len(lines))])
    group = next(g for g in root.iter(SVG + 'g') if g.get('fill-rule') == 'evenodd')
    fills = [p.get('fill') for p in group.findall(SVG + 'path')]
    return [None if f == 'none' else hatches[f[5:-1]] if f.startswith('url') else hex_color(f)
            for f in fills]


def line_cover(seen, color):
    """How much of a pixel a line of `color` covers, drawn smoothly on white;
    None when the pixel is no such mix."""
    spans = [255 - c for c in color]
    k = max(range(3), key=lambda i: spans[i])
    if spans[k] == 0:
        return 0.0 if seen == WHITE else None
    cover = (255 - seen[k]) / spans[k]
    if not -0.02 <= cover <= 1.02 or any(abs(255 - cover * spans[i] - seen[i]) > 4 for i in range(3)):
        return None
    return cover


def along_lines(pixels, color, angles):
    """Whether the pixels of the hatch's lines run in its directions: nearly
    every line pixel has another three pixels away along one of them."""
    drawn = {at for at, seen in pixels.items() if line_cover(seen, color) >= 0.45}
    steps = [(round(3 * math.cos(math.radians(a))), round(3 * math.sin(math.radians(a))))
             for a in angles]
    followed = sum(1 for x, y in drawn
                   if any((x + sx, y + sy) in drawn or (x - sx, y - sy) in drawn
                          for sx, sy in steps))
    return followed >= 0.9 * len(drawn)


def render(layer, extent, width, height):
    """The layer as QGIS draws it over `extent`, with the map units per pixel."""
    settings = QgsMapSettings()
    settings.setLayers([layer])
    settings.setDestinationCrs(layer.crs())
    settings.setExtent(extent)
    settings.setOutputSize(QSize(width, height))
    settings.setOutputDpi(101.6)  # a millimetre of a style is four pixels
    settings.setBackgroundColor(QColor(*WHITE))
    settings.setFlag(QgsMapSettings.Antialiasing, False)
    job = QgsMapRendererSequentialJob(settings)
    job.start()
    job.waitForFinished()
    image = job.renderedImage().convertToFormat(QImage.Format_RGB32)
    return image, settings.visibleExtent(), settings.mapUnitsPerPixel()


def check_picture(layer, fills, what, png):
    """Renders the layer and counts the parcels that show their fill."""
    extent = layer.extent().buffered(4.0)
    whole = render(layer, extent, int(extent.width() / METRES_PER_PIXEL),
                   int(extent.height() / METRES_PER_PIXEL))
    whole[0].save(png)
    matched = 0
    for feature in layer.getFeatures():
        where = '%s, parcel %d (%s)' % (what, feature.id(), feature['地番'])
        want = fills[feature.id() - 1]
        # The pixels of the largest circle inside the parcel, three pixels clear
        # of its outline, wide enough to cross a line of any hatch of the box.
        pole, distance = feature.geometry().poleOfInaccessibility(0.01)
        pole = pole.asPoint()
        hatch = want is not None and want[0] == 'hatch'
        radius = 40 if hatch else 12
        if distance <= 0:
            fail(where + ': no inside to look at')
            continue
        image, shown, mupp = whole
        if distance / mupp < radius + 3:
            # Too narrow at the whole map's scale: a close-up of its middle.
            mupp = distance / (radius + 3)
            half = radius + 8
            image, shown, mupp = render(layer, QgsRectangle(
                pole.x() - half * mupp, pole.y() - half * mupp,
                pole.x() + half * mupp, pole.y() + half * mupp), 2 * half, 2 * half)
        px = int((pole.x() - shown.xMinimum()) / mupp)
        py = int((shown.yMaximum() - pole.y()) / mupp)
        pixels = {(dx, dy): QColor(image.pixel(px + dx, py + dy)).getRgb()[:3]
                  for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1)
                  if dx * dx + dy * dy <= radius * radius}
        seen = set(pixels.values())
        if not hatch:
            if seen != {want or WHITE}:
                fail('%s: expected %s, found %s' % (where, want or WHITE, sorted(seen)[:5]))
            else:
                matched += 1
            continue
        covers = [line_cover(pixel, want[1]) for pixel in seen]
        # A line one pixel wide may fall between two rows of pixels.
        if None in covers or max(covers) < 0.45:
            fail('%s: hatch in %s expected, found %s' % (where, want[1], sorted(seen)[:5]))
        elif not along_lines(pixels, want[1], want[2]):
            fail('%s: hatch lines are not at %s degrees' % (where, want[2]))
        else:
            matched += 1
    print('%s: %d of %d parcels as painted' % (what, matched, len(fills)))


def sld_value(node, feature):
    if node.tag != OGC + 'PropertyName':
        return node.text
    value = feature[node.text]
    if isinstance(value, QDate):
        return value.toString('yyyy-MM-dd') if value.isValid() else None
    return None if value == NULL else value


def sld_holds(node, feature):
    tag = node.tag[len(OGC):]
    if tag in ('And', 'Or'):
        return (all if tag == 'And' else any)(sld_holds(child, feature) for child in node)
    if tag == 'PropertyIsNull':
        return sld_value(node[0], feature) is None
    a, b = (sld_value(child, feature) for child in node)
    if a is None or b is None:
        return False
    if isinstance(a, (int, float)) != isinstance(b, (int, float)):
        a, b = float(a), float(b)
    return {'PropertyIsEqualTo': a == b, 'PropertyIsGreaterThanOrEqualTo': a >= b,
            'PropertyIsGreaterThan': a > b, 'PropertyIsLessThanOrEqualTo': a <= b,
            'PropertyIsLessThan': a < b}[tag]


def check_sld(path, layer, names, what):
    rules = list(ET.parse(path).getroot().iter(SE + 'Rule'))
    if [r.find(SE + 'Name').text for r in rules] != names + ['該当なし'] or \
            rules[-1].find(SE + 'ElseFilter') is None:
        fail(what + ': rules are not the brushes in order, then the rest')
        return
    for feature in layer.getFeatures():
        held = [i + 1 for i, r in enumerate(rules[:-1])
                if sld_holds(r.find(OGC + 'Filter')[0], feature)]
        want = [] if feature['ブラシ番号'] == NULL else [feature['ブラシ番号']]
        if held != want:
            fail('%s, parcel %d: rules %s hold, the library chose %s' %
                 (what, feature.id(), held, want))


def csv_value(column, text):
    """A field of the attribute CSV as the GeoPackage keeps it."""
    if column.endswith('日付'):
        return text or None
    if column in ('所有者', '納税者'):
        return int(text.split(';')[0]) if text else 0
    if column == '所有権':
        return 1 if text in ('1', '有り') else 0
    if column == '公簿面積':
        return float(text) if text else 0.0
    return text if column == '不動産番号' else int(text) if text else 0


def check_attributes(gpkg, csv_path):
    rows = {row['地番']: row for row in csv.DictReader(open(csv_path, encoding='utf-8-sig'))}
    dataset = ogr.Open(gpkg)  # the layer lives only as long as its dataset
    for feature in dataset.GetLayerByName('筆'):
        row = rows.pop(feature['地番'])
        for column, text in row.items():
            got = feature[column]
            if isinstance(got, str) and column.endswith('日付'):
                got = got.replace('/', '-')
            if column != '地番' and got != csv_value(column, text):
                fail('parcel %s: %s is %r, the CSV gives %r' % (row['地番'], column, got, text))
        for column in ('所有者', '納税者'):
            codes = ';'.join(str(int(c)) for c in row[column].split(';') if c)
            if feature[column + '一覧'] != codes:
                fail('parcel %s: %s一覧 is %r' % (row['地番'], column, feature[column + '一覧']))
    if rows:
        fail('parcels of the CSV missing from the GeoPackage: %s' % sorted(rows)[:5])


def check_ramps(velmora, sample, work):
    """`box classify` colours by the published values, as QGIS has them."""
    box = os.path.join(work, 'ramps.json')
    cases = [(r, n, '公簿面積', 'equal') for r in ('YlOrRd', 'YlGnBu', 'Blues', 'Greens', 'Reds',
                                              'Purples', 'RdYlGn', 'Spectral')
             for n in QgsColorBrewerPalette.listSchemeVariants(r)]
    cases += [(r, max(QgsColorBrewerPalette.listSchemeVariants(r), key=int), '現況地目', 'unique')
              for r in ('Set1', 'Set3', 'Paired', 'Dark2')]
    for ramp, count, attribute, method in cases:
        if os.path.exists(box):
            os.remove(box)
        run(velmora, 'box', 'classify', box, '--attrs', os.path.join(sample, 'town.csv'),
            '--attr', attribute, '--method', method, '--ramp', ramp,
            *(['--classes', str(count)] if method == 'equal' else []))
        scheme = [c.name() for c in QgsColorBrewerPalette.listSchemeColors(ramp, int(count))]
        brushes = json.load(open(box, encoding='utf-8'))['palettes'][-1]['brushes']
        got = [b['paint']['color'] for b in brushes]
        if got != [scheme[i % len(scheme)] for i in range(len(got))]:
            fail('%s in %s classes: %s, QGIS has %s' % (ramp, count, got, scheme))


def check_palette(velmora, inputs, box, number, palette, out, what):
    choose = ['--palette-no', str(number)]
    run(velmora, 'paint', *inputs, *choose, '--no-labels', '-o', out + '.svg')
    run(velmora, 'export', *inputs, *choose, '-o', out + '.gpkg')
    for form in ('qml', 'sld'):
        run(velmora, 'box', 'export', box, *choose, '--format', form, '-o', out + '.' + form)
    fills = paint_fills(out + '.svg')
    layer = QgsVectorLayer(out + '.gpkg|layername=筆', 'parcels', 'ogr')
    if not layer.isValid() or layer.featureCount() != len(fills):
        fail(what + ': QGIS does not open the GeoPackage with every parcel')
        return
    renderer = layer.renderer()
    if renderer.type() != 'RuleRenderer' or \
            len(renderer.rootRule().children()) != len(palette['brushes']) + 1:
        fail(what + ': QGIS did not open the GeoPackage with its stored style')
        return
    check_picture(layer, fills, what + ', stored style', out + '-stored.png')
    message, loaded = layer.loadNamedStyle(out + '.qml')
    if not loaded:
        fail(what + ': QGIS refuses the QML: ' + message)
        return
    check_picture(layer, fills, what + ', QML on the attribute', out + '-qml.png')
    check_sld(out + '.sld', layer, [b['name'] for b in palette['brushes']], what + ', SLD')
    message, loaded = layer.loadSldStyle(out + '.sld')
    if not loaded:
        fail(what + ': QGIS refuses the SLD: ' + message)
        return
    check_picture(layer, fills, what + ', SLD', out + '-sld.png')


def check_map(velmora, sample, map_path, attrs, work, prefix):
    box = os.path.join(sample, 'palettes.json')
    inputs = [map_path, '--attrs', attrs, '--codes', os.path.join(sample, 'codes.csv'),
              '--box', box]
    for number, palette in enumerate(json.load(open(box, encoding='utf-8'))['palettes'], 1):
        check_palette(velmora, inputs, box, number, palette,
                      os.path.join(work, '%spalette-%d' % (prefix, number)),
                      '%spalette %d %s' % (prefix, number, palette['name']))


def main():
    velmora, sample, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    app = QgsApplication([], False)
    app.initQgis()
    check_map(velmora, sample, os.path.join(sample, 'town.xml'), os.path.join(sample, 'town.csv'),
              work, '')
    registry_map = sys.argv[4] if len(sys.argv) > 4 else None
    if registry_map and os.path.exists(registry_map):
        name = os.path.splitext(os.path.basename(registry_map))[0]
        attrs = os.path.join(work, name + '.csv')
        run(sys.executable, '-B', os.path.join(sample, 'make_attrs.py'), registry_map, attrs)
        check_map(velmora, sample, registry_map, attrs, work, name + ' ')
    elif registry_map:
        print('skipped: no registry map at ' + registry_map)
    check_attributes(os.path.join(work, 'palette-1.gpkg'), os.path.join(sample, 'town.csv'))
    check_ramps(velmora, sample, work)
    # Layers are gone with check_palette; QGIS must outlive them.
    app.exitQgis()
    if failures:
        print('%d failures' % len(failures))
        sys.exit(1)


main()
