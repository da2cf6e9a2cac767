#!/usr/bin/env python3
"""Writes the default report templates (*.zrt) and templates.txt, the list the
new-ledger creation inserts into the table `report`: Id, GrpId, Title, file."""
from xml.sax.saxutils import quoteattr
import os

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DEFAULT = 10


def attrs(d):
    return ''.join(f' {k}={quoteattr(str(v))}' for k, v in d.items() if v is not None)


def text(t, x, y, w, h=6, **kw):
    return ('Text', dict(Name=None, X=x, Y=y, W=w, H=h, Text=t, **kw))


def item(kind, x, y, w, h, **kw):
    return (kind, dict(X=x, Y=y, W=w, H=h, **kw))


def band(kind, height, items, **kw):
    return (kind, dict(Height=height, **kw), items)


def report(bands, **page):
    out = ['<?xml version="1.0" encoding="UTF-8"?>', '<zoreport version="1">', f'    <page{attrs(page)}/>']
    counter = 0
    for kind, props, items in bands:
        out.append(f'    <band kind="{kind}"{attrs(dict(Name=kind + "1", **props))}>')
        for ikind, iprops in items:
            counter += 1
            iprops = dict(iprops)
            iprops['Name'] = f'{ikind}{counter}'
            out.append(f'        <item kind="{ikind}"{attrs(iprops)}/>')
        out.append('    </band>')
    out.append('</zoreport>')
    return '\n'.join(out) + '\n'


CELL = dict(Borders=15, VAlign=1)
HEAD = dict(Borders=15, VAlign=1, HAlign='center', Bold=1, Background='#e8e8e8')


def columns_row(cols, ds, header):
    x, items = 0, []
    for caption, expr, w, fmt in cols:
        if header:
            items.append(text(caption, x, 0, w, 7, **HEAD))
        else:
            extra = dict(CELL)
            if fmt:
                extra.update(Format=fmt, HAlign='left' if fmt.startswith('yyyy') else 'right')
            items.append(text(expr, x, 0, w, 6, CanGrow=1, **extra))
        x += w
    return items


def list_report(title, cols, ds, sums=(), subtitle=None, landscape=False, group=None):
    width = 277 if landscape else 190
    bands = [band('ReportTitle', 18, [
        text('[u_Company]', 0, 0, width, 8, HAlign='center', FontSize=12),
        text(title, 0, 8, width, 9, HAlign='center', FontSize=16, Bold=1)])]
    bands.append(band('PageHeader', 6, [
        text(subtitle or '', 0, 0, width / 2, 6),
        text('打印日期:[Date]', width / 2, 0, width / 2, 6, HAlign='right')]))
    bands.append(band('DataHeader', 7, columns_row(cols, ds, True)))
    if group:
        bands.append(band('GroupHeader', 7, [text(group[1], 0, 0, width, 7, Bold=1, VAlign=1)],
                          Condition=group[0], ReprintOnNewPage=1))
    bands.append(band('MasterData', 6, columns_row(cols, ds, False), DataSet=ds))

    def sum_row(label, scope=''):
        x, items = 0, []
        for i, (caption, expr, w, fmt) in enumerate(cols):
            field = expr.strip('[]')
            if field.split('.')[-1] in sums:
                items.append(text(f'[Sum({field}{scope})]', x, 0, w, 6, Format=fmt, HAlign='right', Bold=1, **CELL))
            elif i == 0:
                items.append(text(label, x, 0, w, 6, Bold=1, **CELL))
            else:
                items.append(text('', x, 0, w, 6, **CELL))
            x += w
        return items

    if group and sums:
        bands.append(band('GroupFooter', 6, sum_row('小计')))
    if sums:
        bands.append(band('Summary', 6, sum_row('合计')))
    footer = [text('制表:[u_Operator]', 0, 1, 60, 6),
              text('第[Page]页 共[TotalPages]页', width - 60, 1, 60, 6, HAlign='right')]
    if sums:
        footer.insert(1, text('本页小计: ' + '  '.join(f'[Sum({ds}.{s})]' for s in sums), 60, 1, width - 120, 6,
                              HAlign='center', Format=',0.00'))
    bands.append(band('PageFooter', 8, footer))
    page = dict(Landscape=1) if landscape else {}
    return report(bands, **page)


def card_report(title, ds, rows, extra=()):
    """An asset's fields as a framed two-column card."""
    items, y = [], 0
    for row in rows:
        x = 0
        for caption, expr in row:
            w = 190 / len(row)
            items.append(text(caption, x, y, 28, 7, **HEAD))
            items.append(text(expr, x + 28, y, w - 28, 7, CanGrow=1, **CELL))
            x += w
        y += 7
    bands = [band('ReportTitle', 18, [
        text('[u_Company]', 0, 0, 190, 8, HAlign='center', FontSize=12),
        text(title, 0, 8, 190, 9, HAlign='center', FontSize=16, Bold=1)]),
        band('MasterData', y + 3, items, DataSet=ds)]
    bands += list(extra)
    bands.append(band('PageFooter', 8, [text('打印日期:[Date]', 0, 1, 80, 6),
                                        text('第[Page]页 共[TotalPages]页', 130, 1, 60, 6, HAlign='right')]))
    return report(bands)


ASSET_CARD = [
    [('资产编码', '[d0.Code]'), ('资产名称', '[d0.Name]')],
    [('条形码', '[d0.BarCode]'), ('资产类别', '[d0.CataName]')],
    [('规格型号', '[d0.PartNo]'), ('生产厂家', '[d0.Factory]')],
    [('使用部门', '[d0.UseDeptName]'), ('存放地点', '[d0.LayPlace]')],
    [('保管人', '[d0.Depositary]'), ('使用状态', '[d0.UseState]')],
    [('数量', '[d0.Qty] [d0.Unit]'), ('增加方式', '[d0.AddKind]')],
    [('启用日期', '[d0.AccountDate]'), ('折旧方法', '[d0.MethodName]')],
    [('原值', '[d0.OriginValue]'), ('残值', '[d0.EndValue]')],
    [('折旧年限', '[d0.UseYears]'), ('配置', '[d0.Config]')],
    [('备注', '[d0.AssetNote]')],
]

ACCESSORY_COLS = [('附件名称', '[d1.ProductName]', 50, None), ('规格型号', '[d1.PartNo]', 40, None),
                  ('单位', '[d1.Unit]', 15, None), ('数量', '[d1.Qty]', 15, '0'),
                  ('金额', '[d1.Fund]', 30, ',0.00'), ('备注', '[d1.Remark]', 40, None)]

TEMPLATES = [
    (1, 1, '资产清单', list_report('固定资产清单', [
        ('序号', '[Row#]', 12, None), ('资产编码', '[d.Code]', 28, None), ('资产名称', '[d.Name]', 40, None),
        ('资产类别', '[d.CataName]', 30, None), ('使用部门', '[d.UseDeptName]', 30, None),
        ('启用日期', '[d.AccountDate]', 24, 'yyyy-mm-dd'), ('原值', '[d.OriginValue]', 28, ',0.00'),
        ('残值', '[d.EndValue]', 25, ',0.00'), ('使用状态', '[d.UseState]', 20, None),
        ('保管人', '[d.Depositary]', 20, None), ('备注', '[d.AssetNote]', 20, None)], 'd',
        sums=('OriginValue', 'EndValue'), landscape=True)),
    (2, 1, '资产标签', report([band('MasterData', 33.9, [
        item('Rect', 1, 1, 68, 31.9, LineWidth=0.3),
        text('[u_Company]', 2, 2, 66, 5, HAlign='center', Bold=1, FontSize=9),
        text('编码:[d.Code]', 3, 7.5, 64, 5, FontSize=9),
        text('名称:[d.Name]', 3, 12, 64, 5, FontSize=9),
        text('部门:[d.UseDeptName]', 3, 16.5, 64, 5, FontSize=9),
        item('Barcode', 6, 21.5, 58, 10, Text='[d.BarCode]', FontSize=7)], DataSet='d')],
        LeftMargin=0, TopMargin=8.5, RightMargin=0, BottomMargin=8.5, Columns=3)),
    (3, 2, '月折旧表', list_report('固定资产折旧明细表', [
        ('资产编码', '[d.AssetCode]', 28, None), ('资产名称', '[d.AssetName]', 40, None),
        ('资产分类', '[d.AssetKind]', 30, None), ('使用部门', '[d.AssetUsedept]', 30, None),
        ('启用日期', '[d.AccountDate]', 24, 'yyyy-mm-dd'), ('原值', '[d.OriginValue]', 28, ',0.00'),
        ('本月折旧', '[d.Depreciated]', 28, ',0.00'), ('累计折旧', '[d.TotalDepreciation]', 30, ',0.00'),
        ('净值', '[d.NetValue]', 29, ',0.00')], 'd',
        sums=('OriginValue', 'Depreciated', 'TotalDepreciation', 'NetValue'),
        subtitle='[m_Year]年[m_Month]月  [m_AssetKind]', landscape=True)),
    (4, 10, '年折旧表', list_report('固定资产年度折旧表', [
        ('资产编码', '[d.AssetCode]', 30, None), ('资产名称', '[d.AssetName]', 45, None),
        ('资产分类', '[d.AssetKind]', 35, None), ('使用部门', '[d.AssetUsedept]', 35, None),
        ('原值', '[d.OriginValue]', 32, ',0.00'), ('年度折旧', '[d.DepreYear]', 32, ',0.00'),
        ('累计折旧', '[d.TotalDepreciation]', 34, ',0.00'), ('净值', '[d.NetValue]', 34, ',0.00')], 'd',
        sums=('OriginValue', 'DepreYear', 'TotalDepreciation', 'NetValue'),
        subtitle='[m_Year]年度  [m_AssetKind]', landscape=True)),
    (5, 0, '盘点表', list_report('固定资产盘点表', [
        ('序号', '[Row#]', 15, None), ('条形码', '[d.BarCode]', 55, None), ('账面数量', '[d.Qty]', 35, '0'),
        ('盘点数量', '[d.Regulate]', 35, '0'), ('差异', '[d.Discrepancy]', 50, '0')], 'd',
        sums=('Qty', 'Regulate', 'Discrepancy'))),
    (6, 4, '维修单', card_report('固定资产维修单', 'd0', [
        [('送修日期', '[d0.SendDate]'), ('修复日期', '[d0.RepairDate]')],
        [('维修类别', '[d0.RepairKind]'), ('维修单位', '[d0.RepairDept]')],
        [('故障描述', '[d0.Malfunction]')], [('维修内容', '[d0.RepairDetails]')],
        [('维修费用', '[d0.Fund]'), ('经办人', '[d0.Handman]')],
        [('批准人', '[d0.Sanctionman]'), ('备注', '[d0.Note]')]])),
    (7, 5, '资产卡片', card_report('固定资产卡片', 'd0', ASSET_CARD, extra=[
        band('DataHeader', 14, [text('附件清单', 0, 2, 190, 5, Bold=1)] +
             [(k, dict(v, Y=v['Y'] + 7)) for k, v in columns_row(ACCESSORY_COLS, 'd1', True)]),
        band('MasterData', 6, columns_row(ACCESSORY_COLS, 'd1', False), DataSet='d1'),
        band('DataHeader', 10, [text('照片', 0, 3, 190, 6, Bold=1)]),
        band('MasterData', 62, [item('Image', 0, 0, 90, 55, Text='[d2.Photo]'),
                                text('[d2.Subject]', 95, 0, 95, 6)], DataSet='d2')])),
    (8, 6, '资产单', card_report('固定资产登记表', 'd0', ASSET_CARD)),
    (9, 7, '资产构成分析表', list_report('资产构成分析表', [
        ('项目', '[d0.ItemName]', 50, None), ('数量', '[d0.Amount]', 18, '0'),
        ('原值', '[d0.OriginValue]', 28, ',0.00'), ('残值', '[d0.EndValue]', 25, ',0.00'),
        ('净值', '[d0.NetValue]', 27, ',0.00'), ('原值比例%', '[d0.OriginValuePercent]', 21, '0.00'),
        ('净值比例%', '[d0.NetValuePercent]', 21, '0.00')], 'd0',
        sums=('Amount', 'OriginValue', 'EndValue', 'NetValue'))),
    (10, 8, '维修清单', list_report('固定资产维修清单', [
        ('送修日期', '[d0.SendDate]', 22, 'yyyy-mm-dd'), ('故障描述', '[d0.Malfunction]', 45, None),
        ('修复日期', '[d0.RepairDate]', 22, 'yyyy-mm-dd'), ('维修类别', '[d0.RepairKind]', 22, None),
        ('维修单位', '[d0.RepairDept]', 30, None), ('维修内容', '[d0.RepairDetails]', 50, None),
        ('费用', '[d0.Fund]', 26, ',0.00'), ('经办人', '[d0.Handman]', 20, None),
        ('批准人', '[d0.Sanctionman]', 20, None), ('备注', '[d0.Note]', 20, None)], 'd0',
        sums=('Fund',), landscape=True)),
    (11, 9, '变动清单', list_report('固定资产变动清单', [
        ('变动日期', '[d0.ModifyDate]', 22, 'yyyy-mm-dd'), ('变动原因', '[d0.ModifyReason]', 30, None),
        ('原部门', '[d0.UseDept1]', 25, None), ('新部门', '[d0.UseDept2]', 25, None),
        ('原状态', '[d0.UseState1]', 18, None), ('新状态', '[d0.UseState2]', 18, None),
        ('原保管人', '[d0.Depositary1]', 20, None), ('新保管人', '[d0.Depositary2]', 20, None),
        ('原值变动前', '[d0.OriginalValue1]', 25, ',0.00'), ('原值变动后', '[d0.OriginalValue2]', 25, ',0.00'),
        ('经办人', '[d0.Handman]', 24, None), ('批准人', '[d0.Sanctionman]', 25, None)], 'd0',
        landscape=True)),
]

if __name__ == '__main__':
    lines = ['# Id\tGrpId\tTitle\tfile (written by make_templates.py)']
    for id_, grp, title, xml in TEMPLATES:
        name = f'default{id_:02d}.zrt'
        with open(os.path.join(HERE, name), 'w', encoding='utf-8') as f:
            f.write(xml.replace('HAlign="center"', 'HAlign="center"'))
        lines.append(f'{id_}\t{grp}\t{title}\t{name}')
    with open(os.path.join(HERE, 'templates.txt'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')
