#!/usr/bin/python3
"""usage: qgis_check.py VELMORA SAMPLE_DIR WORK_DIR [REGISTRY_MAP.xml]

QGIS draws each palette's GeoPackage, QML and SLD (to WORK_DIR/*.png) with each
parcel's fill as `velmora paint` gives it, on the sample town and on the registry
map with made-up attributes; `box classify` colours as QGIS's ramps. Needs
QT_QPA_PLATFORM=offscreen.
"""
import json
import math
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

from qgis.core import (QgsApplication, QgsColorBrewerPalette, QgsMapRendererSequentialJob,
                       QgsMapSettings, QgsRectangle, QgsVectorLayer)
from qgis.PyQt.QtCore import QSize
from qgis.PyQt.QtGui import QColor, QImage

WHITE = (255, 255, 255)
SVG = '{http://www.w3.org/2000/svg}'
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


def shows(pixels, want):
    """Whether the pixels show the fill: nearly every pixel of a hatch's lines
    has another three pixels away along one of its directions."""
    if want is None or want[0] != 'hatch':
        return set(pixels.values()) == {want or WHITE}
    covers = {at: line_cover(seen, want[1]) for at, seen in pixels.items()}
    # A line one pixel wide may fall between two rows of pixels.
    if None in covers.values() or max(covers.values()) < 0.45:
        return False
    drawn = {at for at, cover in covers.items() if cover >= 0.45}
    steps = [(round(3 * math.cos(math.radians(a))), round(3 * math.sin(math.radians(a))))
             for a in want[2]]
    return sum(1 for x, y in drawn if any((x + sx, y + sy) in drawn or (x - sx, y - sy) in drawn
                                          for sx, sy in steps)) >= 0.9 * len(drawn)


def check_picture(layer, fills, what, png):
    extent = layer.extent().buffered(4.0)
    whole = render(layer, extent, int(extent.width() * 4), int(extent.height() * 4))  # 25 cm
    whole[0].save(png)
    for feature in layer.getFeatures():
        want = fills[feature.id() - 1]
        # The largest circle inside the parcel, three pixels clear of its
        # outline, wide enough to cross a line of any hatch of the box.
        pole, distance = feature.geometry().poleOfInaccessibility(0.01)
        pole = pole.asPoint()
        if distance <= 0:
            fail('%s, parcel %s: no inside to look at' % (what, feature['地番']))
            continue
        radius = 40 if want is not None and want[0] == 'hatch' else 12
        image, shown, mupp = whole
        if distance / mupp < radius + 3:
            # Too narrow at the whole map's scale: a close-up of its middle.
            mupp, half = distance / (radius + 3), radius + 8
            image, shown, mupp = render(layer, QgsRectangle(
                pole.x() - half * mupp, pole.y() - half * mupp,
                pole.x() + half * mupp, pole.y() + half * mupp), 2 * half, 2 * half)
        px = int((pole.x() - shown.xMinimum()) / mupp)
        py = int((shown.yMaximum() - pole.y()) / mupp)
        pixels = {(dx, dy): QColor(image.pixel(px + dx, py + dy)).getRgb()[:3]
                  for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1)
                  if dx * dx + dy * dy <= radius * radius}
        if not shows(pixels, want):
            fail('%s, parcel %s: %s expected, found %s'
                 % (what, feature['地番'], want or WHITE, sorted(set(pixels.values()))[:5]))


def check_palette(velmora, inputs, box, number, palette, out, what):
    choose = ['--palette-no', str(number)]
    run(velmora, 'paint', *inputs, *choose, '--no-labels', '-o', out + '.svg')
    run(velmora, 'export', *inputs, *choose, '-o', out + '.gpkg')
    for form in ('qml', 'sld'):
        run(velmora, 'box', 'export', box, *choose, '--format', form, '-o', out + '.' + form)
    fills = paint_fills(out + '.svg')
    layer = QgsVectorLayer(out + '.gpkg|layername=筆', 'parcels', 'ogr')
    valid = layer.isValid() and layer.renderer().type() == 'RuleRenderer'
    rules = layer.renderer().rootRule().children() if valid else []
    if layer.featureCount() != len(fills) or len(rules) != len(palette['brushes']) + 1:
        return fail(what + ': QGIS does not open the GeoPackage with its parcels and style')
    check_picture(layer, fills, what + ', stored style', out + '-stored.png')
    for form, load in (('qml', layer.loadNamedStyle), ('sld', layer.loadSldStyle)):
        message, loaded = load(out + '.' + form)
        if not loaded:
            return fail('%s: QGIS refuses the %s: %s' % (what, form, message))
        check_picture(layer, fills, what + ', ' + form, out + '-' + form + '.png')


def check_ramps(velmora, sample, work):
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


def main():
    velmora, sample, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    app = QgsApplication([], False)
    app.initQgis()
    maps = [(os.path.join(sample, 'town.xml'), os.path.join(sample, 'town.csv'), '')]
    if len(sys.argv) > 4 and os.path.exists(sys.argv[4]):
        name = os.path.splitext(os.path.basename(sys.argv[4]))[0]
        maps.append((sys.argv[4], os.path.join(work, name + '.csv'), name + ' '))
        run(sys.executable, '-B', os.path.join(sample, 'make_attrs.py'), *maps[1][:2])
    elif len(sys.argv) > 4:
        print('skipped: no registry map at ' + sys.argv[4])
    box = os.path.join(sample, 'palettes.json')
    for map_path, attrs, prefix in maps:
        inputs = [map_path, '--attrs', attrs, '--codes', os.path.join(sample, 'codes.csv'),
                  '--box', box]
        for number, palette in enumerate(json.load(open(box, encoding='utf-8'))['palettes'], 1):
            check_palette(velmora, inputs, box, number, palette,
                          os.path.join(work, '%spalette-%d' % (prefix, number)),
                          '%spalette %d %s' % (prefix, number, palette['name']))
    check_ramps(velmora, sample, work)
    # Layers are gone with check_palette; QGIS must outlive them.
    app.exitQgis()
    if failures:
        sys.exit('%d failures' % len(failures))


main()
