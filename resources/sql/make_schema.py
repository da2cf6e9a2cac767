#!/usr/bin/env python3
# Writes schema-sqlite.sql and schema-postgresql.sql from one table list so that
# the two back ends cannot drift apart. Run it after changing a table.
tables = [
 ("assets", [("Id","int","pk"),("Code","t50"),("BarCode","t50"),("CataId","int"),("Name","t50"),("PartNo","t50"),("GBCode","t50"),("Config","t250"),("Factory","t50"),("BuildDate","t20"),("Qty","int"),("Price","float"),("Unit","t10"),("AddKind","t50"),("UseDeptId","int"),("UseState","t50"),("LayPlace","t50"),("Depositary","t50"),("AccountDate","dt"),("OriginValue","cur"),("EndValue","cur"),("EndValueRate","int"),("UseYears","int"),("AssetNote","t250"),("MethodId","int"),("ReduceDate","dt"),("ReduceWay","t20"),("ReduceHandman","t20"),("ReduceCheckman","t20"),("ReduceNote","t20")]
   + [("Str%d"%i,"t50") for i in range(1,7)] + [("Float%d"%i,"float") for i in range(1,4)] + [("Date%d"%i,"dt") for i in range(1,4)]),
 ("catalog", [("Id","int","pk"),("Code","t50","unique"),("Name","t250"),("Description","memo")]),
 ("department", [("Id","int","pk"),("Code","t50","unique"),("Name","t50"),("Manager","t30"),("Tel","t30"),("Fax","t30"),("Address","t50"),("Note","t50")]),
 ("method", [("Id","int","pk"),("Name","t50")]),
 ("modification", [("Id","int","pk"),("AssetId","int"),("ModifyDate","dt"),("ModifyReason","t50"),("UseDept1","t50"),("UseDept2","t50"),("UseState1","t50"),("UseState2","t50"),("Depositary1","t50"),("Depositary2","t50"),("Layplace1","t50"),("Layplace2","t50"),("OriginalValue1","float"),("OriginalValue2","float"),("Qty1","float"),("Qty2","float"),("Description","memo"),("Handman","t20"),("Sanctionman","t20"),("Remark","t250"),("Checkman","t20"),("CheckTime","dt")]),
 ("repair", [("Id","int","pk"),("AssetId","int"),("SendDate","dt"),("Malfunction","memo"),("RepairDate","dt"),("RepairKind","t30"),("RepairDept","t50"),("RepairDetails","memo"),("Fund","float"),("Handman","t30"),("Sanctionman","t30"),("Note","t150")]),
 ("accessories", [("Id","int","pk"),("AssetId","int"),("ProductName","t50"),("PartNo","t50"),("Unit","t20"),("Qty","int"),("Fund","float"),("Remark","t50")]),
 ("assetimages", [("Id","int","pk"),("AssetId","int"),("Subject","t30"),("Ext","t20"),("Photo","blob")]),
 ("reduce", [("Id","int","pk"),("AssetId","int")]),
 ("depreciation", [("Id","int","pk"),("AssetId","int")]),
 ("operator", [("LoginId","t20","pk"),("Password","t255"),("Name","t20"),("Contact","t20"),("Note","t20"),("Rights","memo")]),
 ("keyvalue", [("KeyId","int","pk"),("Vint","int"),("Vstr","memo"),("Vfloat","float"),("Vbool","bool")]),
 ("Company", [("Id","int","pk"),("CompanyName","t250"),("Manager","t50"),("Tel","t50"),("Fax","t50"),("Address","t250"),("Zip","t20"),("Profile","memo"),("UseCount","int"),("Updated","bool")]),
 ("report", [("Id","int","pk"),("GrpId","int"),("Title","t20"),("Fr3File","blob")]),
 ("link", [("Id","auto","pk"),("GroupId","int"),("Title","t20"),("lpFile","t20"),("lpParameters","t20"),("Note","t20")]),
 ("syscols", [("F02","int","pk"),("F06","memo")]),
 ("backup", [("TypeId","int"),("BackDir","t250")]),
 ("upgrade", [("Id","int","pk"),("Version","t50"),("SqlText","memo")]),
]
indexes = [("assets","Code"),("assets","BarCode"),("assets","Name"),("assets","CataId"),("assets","UseDeptId"),("assets","ReduceDate"),
           ("modification","AssetId"),("repair","AssetId"),("accessories","AssetId"),("assetimages","AssetId"),("reduce","AssetId"),("depreciation","AssetId"),("report","GrpId")]

def typ(k, pg):
    if k == "int": return "integer"
    if k == "auto": return "serial" if pg else "integer"
    if k.startswith("t"): return ("varchar(%s)" % k[1:]) if pg else "text"
    return {"memo": "text", "float": "double precision" if pg else "real", "cur": "numeric(19,4)" if pg else "real",
            "dt": "timestamp" if pg else "text", "bool": "boolean" if pg else "integer", "blob": "bytea" if pg else "blob"}[k]

for pg, name in ((False, "schema-sqlite.sql"), (True, "schema-postgresql.sql")):
    out = ["-- Tables of the ledger (%s). Written by make_schema.py; edit that, not this.\n" % ("PostgreSQL" if pg else "SQLite")]
    for t, cols in tables:
        lines = []
        for c in cols:
            col, k = c[0], c[1]
            extra = c[2] if len(c) > 2 else ""
            s = "  %s %s" % (col, typ(k, pg))
            if extra == "pk": s += " primary key"
            if extra == "pk" and k == "auto" and not pg: s += " autoincrement"
            if extra == "unique": s += " unique"
            lines.append(s)
        out.append("create table %s (\n%s\n);\n" % (t, ",\n".join(lines)))
    for t, c in indexes:
        out.append("create index ix_%s_%s on %s (%s);\n" % (t.lower(), c.lower(), t, c))
    open(name, "w").write("".join(out))
