-- Tables of the ledger (PostgreSQL). Written by make_schema.py; edit that, not this.
create table assets (
  Id integer primary key,
  Code varchar(50),
  BarCode varchar(50),
  CataId integer,
  Name varchar(50),
  PartNo varchar(50),
  GBCode varchar(50),
  Config varchar(250),
  Factory varchar(50),
  BuildDate varchar(20),
  Qty integer,
  Price double precision,
  Unit varchar(10),
  AddKind varchar(50),
  UseDeptId integer,
  UseState varchar(50),
  LayPlace varchar(50),
  Depositary varchar(50),
  AccountDate timestamp,
  OriginValue numeric(19,4),
  EndValue numeric(19,4),
  EndValueRate integer,
  UseYears integer,
  AssetNote varchar(250),
  MethodId integer,
  ReduceDate timestamp,
  ReduceWay varchar(20),
  ReduceHandman varchar(20),
  ReduceCheckman varchar(20),
  ReduceNote varchar(20),
  Str1 varchar(50),
  Str2 varchar(50),
  Str3 varchar(50),
  Str4 varchar(50),
  Str5 varchar(50),
  Str6 varchar(50),
  Float1 double precision,
  Float2 double precision,
  Float3 double precision,
  Date1 timestamp,
  Date2 timestamp,
  Date3 timestamp
);
create table catalog (
  Id integer primary key,
  Code varchar(50) unique,
  Name varchar(250),
  Description text
);
create table department (
  Id integer primary key,
  Code varchar(50) unique,
  Name varchar(50),
  Manager varchar(30),
  Tel varchar(30),
  Fax varchar(30),
  Address varchar(50),
  Note varchar(50)
);
create table method (
  Id integer primary key,
  Name varchar(50)
);
create table modification (
  Id integer primary key,
  AssetId integer,
  ModifyDate timestamp,
  ModifyReason varchar(50),
  UseDept1 varchar(50),
  UseDept2 varchar(50),
  UseState1 varchar(50),
  UseState2 varchar(50),
  Depositary1 varchar(50),
  Depositary2 varchar(50),
  Layplace1 varchar(50),
  Layplace2 varchar(50),
  OriginalValue1 double precision,
  OriginalValue2 double precision,
  Qty1 double precision,
  Qty2 double precision,
  Description text,
  Handman varchar(20),
  Sanctionman varchar(20),
  Remark varchar(250),
  Checkman varchar(20),
  CheckTime timestamp
);
create table repair (
  Id integer primary key,
  AssetId integer,
  SendDate timestamp,
  Malfunction text,
  RepairDate timestamp,
  RepairKind varchar(30),
  RepairDept varchar(50),
  RepairDetails text,
  Fund double precision,
  Handman varchar(30),
  Sanctionman varchar(30),
  Note varchar(150)
);
create table accessories (
  Id integer primary key,
  AssetId integer,
  ProductName varchar(50),
  PartNo varchar(50),
  Unit varchar(20),
  Qty integer,
  Fund double precision,
  Remark varchar(50)
);
create table assetimages (
  Id integer primary key,
  AssetId integer,
  Subject varchar(30),
  Ext varchar(20),
  Photo bytea
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
  LoginId varchar(20) primary key,
  Password varchar(255),
  Name varchar(20),
  Contact varchar(20),
  Note varchar(20),
  Rights text
);
create table keyvalue (
  KeyId integer primary key,
  Vint integer,
  Vstr text,
  Vfloat double precision,
  Vbool boolean
);
create table Company (
  Id integer primary key,
  CompanyName varchar(250),
  Manager varchar(50),
  Tel varchar(50),
  Fax varchar(50),
  Address varchar(250),
  Zip varchar(20),
  Profile text,
  UseCount integer,
  Updated boolean
);
create table report (
  Id integer primary key,
  GrpId integer,
  Title varchar(20),
  Fr3File bytea
);
create table link (
  Id serial primary key,
  GroupId integer,
  Title varchar(20),
  lpFile varchar(20),
  lpParameters varchar(20),
  Note varchar(20)
);
create table syscols (
  F02 integer primary key,
  F06 text
);
create table backup (
  TypeId integer,
  BackDir varchar(250)
);
create table upgrade (
  Id integer primary key,
  Version varchar(50),
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
