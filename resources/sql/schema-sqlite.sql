-- Tables of the ledger (SQLite). Written by make_schema.py; edit that, not this.
create table assets (
  Id integer primary key,
  Code text,
  BarCode text,
  CataId integer,
  Name text,
  PartNo text,
  GBCode text,
  Config text,
  Factory text,
  BuildDate text,
  Qty integer,
  Price real,
  Unit text,
  AddKind text,
  UseDeptId integer,
  UseState text,
  LayPlace text,
  Depositary text,
  AccountDate text,
  OriginValue real,
  EndValue real,
  EndValueRate integer,
  UseYears integer,
  AssetNote text,
  MethodId integer,
  ReduceDate text,
  ReduceWay text,
  ReduceHandman text,
  ReduceCheckman text,
  ReduceNote text,
  Str1 text,
  Str2 text,
  Str3 text,
  Str4 text,
  Str5 text,
  Str6 text,
  Float1 real,
  Float2 real,
  Float3 real,
  Date1 text,
  Date2 text,
  Date3 text
);
create table catalog (
  Id integer primary key,
  Code text unique,
  Name text,
  Description text
);
create table department (
  Id integer primary key,
  Code text unique,
  Name text,
  Manager text,
  Tel text,
  Fax text,
  Address text,
  Note text
);
create table method (
  Id integer primary key,
  Name text
);
create table modification (
  Id integer primary key,
  AssetId integer,
  ModifyDate text,
  ModifyReason text,
  UseDept1 text,
  UseDept2 text,
  UseState1 text,
  UseState2 text,
  Depositary1 text,
  Depositary2 text,
  Layplace1 text,
  Layplace2 text,
  OriginalValue1 real,
  OriginalValue2 real,
  Qty1 real,
  Qty2 real,
  Description text,
  Handman text,
  Sanctionman text,
  Remark text,
  Checkman text,
  CheckTime text
);
create table repair (
  Id integer primary key,
  AssetId integer,
  SendDate text,
  Malfunction text,
  RepairDate text,
  RepairKind text,
  RepairDept text,
  RepairDetails text,
  Fund real,
  Handman text,
  Sanctionman text,
  Note text
);
create table accessories (
  Id integer primary key,
  AssetId integer,
  ProductName text,
  PartNo text,
  Unit text,
  Qty integer,
  Fund real,
  Remark text
);
create table assetimages (
  Id integer primary key,
  AssetId integer,
  Subject text,
  Ext text,
  Photo blob
);
create table reduce (
  Id integer primary key,
  AssetId integer
);
create table depreciation (
  Id integer primary key,
  AssetId integer
);
create table operator (
  LoginId text primary key,
  Password text,
  Name text,
  Contact text,
  Note text,
  Rights text
);
create table keyvalue (
  KeyId integer primary key,
  Vint integer,
  Vstr text,
  Vfloat real,
  Vbool integer
);
create table Company (
  Id integer primary key,
  CompanyName text,
  Manager text,
  Tel text,
  Fax text,
  Address text,
  Zip text,
  Profile text,
  UseCount integer,
  Updated integer
);
create table report (
  Id integer primary key,
  GrpId integer,
  Title text,
  Fr3File blob
);
create table link (
  Id integer primary key autoincrement,
  GroupId integer,
  Title text,
  lpFile text,
  lpParameters text,
  Note text
);
create table syscols (
  F02 integer primary key,
  F06 text
);
create table backup (
  TypeId integer,
  BackDir text
);
create table upgrade (
  Id integer primary key,
  Version text,
  SqlText text
);
create index ix_assets_code on assets (Code);
create index ix_assets_barcode on assets (BarCode);
create index ix_assets_name on assets (Name);
create index ix_assets_cataid on assets (CataId);
create index ix_assets_usedeptid on assets (UseDeptId);
create index ix_assets_reducedate on assets (ReduceDate);
create index ix_modification_assetid on modification (AssetId);
create index ix_repair_assetid on repair (AssetId);
create index ix_accessories_assetid on accessories (AssetId);
create index ix_assetimages_assetid on assetimages (AssetId);
create index ix_reduce_assetid on reduce (AssetId);
create index ix_depreciation_assetid on depreciation (AssetId);
create index ix_report_grpid on report (GrpId);
